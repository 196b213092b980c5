#include "ui/modules.h"

#include <QCoreApplication>
#include <QLibrary>

namespace ui {

QStringList ModuleDirs() {
    const QString dir = QCoreApplication::applicationDirPath();
    return {dir, dir + "/" KLEV_MODULE_DIR};
}

void* ModuleEntry(const QStringList& dirs, const QString& name, const char* symbol, QString* why) {
    QStringList reasons;
    for (const QString& dir : dirs) {
        QLibrary module(dir + "/" + name);
        // The QLibrary goes, the library stays loaded.
        if (void* entry = reinterpret_cast<void*>(module.resolve(symbol))) return entry;
        reasons << module.errorString();
    }
    if (why) *why = reasons.isEmpty() ? QString("no folder to look in") : reasons.join("; ");
    return nullptr;
}

}  // namespace ui
