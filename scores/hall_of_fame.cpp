#include "hall_of_fame.h"

#include "scrambled_text.h"

#include <QSettings>

#include <algorithm>
#include <array>
#include <cassert>

namespace lumbra {
namespace {

// Both modes start with these.
constexpr std::array<const char*, HallOfFame::ranks> default_list = {
    "1.    150      Vex",
    "2.    135      Orla",
    "3.    120      Mr. Brandt",
    "4.    105      Anton Lisle Marrow",
    "5.    90       Tobin Hale",
    "6.    75       Simon Carrow",
    "7.    60       Milo Dantry",
    "8.    45       Felix Ambry",
    "9.    30       Peter R. Lumm",
};

constexpr int score_column = 6;  // 0-based: column 7
constexpr int name_column = 16;  // 0-based: column 17

const QString group_name = QStringLiteral("hi");

QSettings settings_store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     QStringLiteral("Hollowick"), QStringLiteral("lumbra"));
}

QString value_name(int line) { return QString::number(line + 1); }

QString rank_text(int index) { return QString::number(index + 1); }

}  // namespace

int line_score(const QString& line)
{
    const QString digits = line.mid(score_column).section(QLatin1Char(' '), 0, 0);
    const bool only_digits =
        !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) {
            return c >= QLatin1Char('0') && c <= QLatin1Char('9');
        });
    bool fits = false;
    const int score = only_digits ? digits.toInt(&fits) : 0;
    return fits ? score : 0;
}

QString new_line_start(int index, int score)
{
    const QString score_text = score == 0 ? QString() : QString::number(score);
    QString start = rank_text(index) + QStringLiteral(".    ") + score_text;
    return start.leftJustified(name_column, QLatin1Char(' '));
}

HallOfFame::HallOfFame()
{
    for (int i = 0; i < line_count; ++i)
        lines_.append(QString());
    for (int rank = 0; rank < ranks; ++rank) {
        lines_[rank] = QString::fromLatin1(default_list[rank]);
        lines_[other_mode_first + rank] = lines_[rank];
    }
}

std::optional<int> HallOfFame::entry_index(int score) const
{
    for (int k = 0; k < ranks; ++k)
        if (line_score(lines_[k]) < score)
            return k;
    return std::nullopt;
}

void HallOfFame::insert(int index, int score, const QString& name)
{
    assert((0 <= index) && (index < ranks));
    for (int i = ranks - 2; i >= index; --i)
        lines_[i + 1] = rank_text(i + 1) + lines_[i].mid(1);
    lines_[index] = new_line_start(index, score) + name;
}

void HallOfFame::exchange_modes()
{
    for (int i = 0; i < ranks; ++i)
        lines_.swapItemsAt(i, other_mode_first + i);
}

void HallOfFame::load()
{
    QSettings settings = settings_store();
    if (!settings.childGroups().contains(group_name))
        return;
    settings.beginGroup(group_name);
    for (int i = 0; i < line_count; ++i) {
        const QVariant value = settings.value(value_name(i));
        const bool is_text = value.typeId() == QMetaType::QString;
        lines_[i] = is_text ? unscrambled(value.toString()) : QString();
    }
}

bool HallOfFame::save() const
{
    QSettings settings = settings_store();
    settings.beginGroup(group_name);
    for (int i = 0; i < line_count; ++i)
        settings.setValue(value_name(i), scrambled(lines_[i]));
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace lumbra
