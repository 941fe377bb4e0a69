#include "framework/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "framework/QtSupport_p.h"

std::string ProgramDirectory() {
  return FromQ(QCoreApplication::applicationDirPath());
}

bool FileExists(const std::string& path) {
  const QFileInfo info(ToQ(path));
  return info.exists() && info.isFile();
}

std::string FileAddress(const std::string& path) {
  return FromQ(QUrl::fromLocalFile(QDir::cleanPath(ToQ(path))).toString());
}
