// STUB: replaced by the real launcher.
#include "ui/Exe.h"
TExe::TExe(QObject* parent) : QObject(parent) {}
void TExe::Execute() {}
TExe::UrlOpener TExe::SetUrlOpener(UrlOpener opener) { return opener; }
