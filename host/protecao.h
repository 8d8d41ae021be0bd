#pragma once

#include <QString>

namespace tarvelo {

// The settings protection: policy values in the current user's hive under `chaveWindows`
// ("Software\Microsoft\Windows\CurrentVersion"). On Linux they are kept in the program's
// own registry store and steer nothing outside the program.

// Writes "MenuShowDelay" = "10" and the sixteen policy values = 1, in their fixed order;
// true when every write was saved.
bool ProtegerConfiguracoes(const QString& chaveWindows);
// Deletes the sixteen policy values in the same order; "MenuShowDelay" stays.
void DesprotegerConfiguracoes(const QString& chaveWindows);

}  // namespace tarvelo
