#pragma once

// A fixture whose settings and per-user data folder are fresh, empty
// temporary folders, so that no test sees another's hall of fame or record.

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lumbra {

class SettingsSandbox : public testing::Test {
protected:
    SettingsSandbox()
    {
        const QString config = folder_.filePath(QStringLiteral("config"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config);
        qputenv("XDG_DATA_HOME", folder_.filePath(QStringLiteral("data")).toUtf8());
    }

    // The program's own settings, as the hall of fame stores them.
    static QSettings stored()
    {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                         QStringLiteral("Hollowick"), QStringLiteral("lumbra"));
    }

private:
    QTemporaryDir folder_;
};

}  // namespace lumbra
