#include "framework/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "framework/QtSupport_p.h"

Clipboard::Clipboard() {
  if (auto* cb = QGuiApplication::clipboard()) Text = FromQ(cb->text());
}

void Clipboard::Close() {
  if (auto* cb = QGuiApplication::clipboard()) cb->setText(ToQ(Text));
}
