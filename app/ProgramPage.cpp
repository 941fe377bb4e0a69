#include "app/ProgramPage.h"

#include "framework/ProgramFiles.h"

std::string ProgramPagePath(const std::string& programDirectory) {
  const std::string beside = programDirectory + "/quellmoor.html";
  const std::string installed =
      programDirectory + "/" + QUELLMOOR_PAGE_FROM_PROGRAM + "/quellmoor.html";
  return FileExists(beside) ? beside : installed;
}

std::string ProgramPageAddress() {
  return FileAddress(ProgramPagePath(ProgramDirectory()));
}
