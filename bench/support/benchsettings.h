#pragma once
// The program's own settings (recent folders, where to resume) kept in a folder of the
// benchmark's run while it lives: the user's settings are left alone, and earlier runs
// change neither an operation nor its floor.
#include <QSettings>
#include <QTemporaryDir>

namespace lumora::bench {

class RunSettings {
public:
    RunSettings() { QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path()); }

private:
    QTemporaryDir m_dir;
};

} // namespace lumora::bench
