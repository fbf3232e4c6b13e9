#pragma once

// A fixture whose settings and per-user data folder are fresh, empty
// temporary folders, so that no test sees another's hall of fame or record.

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lumbra {

class SettingsSandbox : public testing::Test {
protected:
    SettingsSandbox()
    {
        const QString config = config_folder();
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

    // Puts a file where the settings folder should be, so that nothing can
    // be written there.
    void block_settings_folder() const
    {
        QFile blocker(config_folder());
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }

private:
    QString config_folder() const { return folder_.filePath(QStringLiteral("config")); }

    QTemporaryDir folder_;
};

}  // namespace lumbra
