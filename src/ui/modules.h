#pragma once
// The program's modules (klevnitsa_sound, klevnitsa_journal): parts with
// libraries of their own that most runs never need, loaded on first use.
// They lie beside the program in the build and in <libdir>/klevnitsa when
// installed. A module once loaded stays to the end: its code stays in use.

#include <QString>
#include <QStringList>

namespace ui {

// Where the modules are looked for: beside the program, then the installed
// folder. Needs the application object.
QStringList ModuleDirs();

// The entry point `symbol` of the module `name` from the first of `dirs`
// that has it; null when none has, and then the loader's reasons in `why`
// (when given).
void* ModuleEntry(const QStringList& dirs, const QString& name, const char* symbol, QString* why = nullptr);

}  // namespace ui
