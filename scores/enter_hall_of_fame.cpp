#include "enter_hall_of_fame.h"

#include "highscores.h"
#include "name_enter.h"
#include "name_enter_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

namespace lumbra {
namespace {

namespace form = name_enter_form;

// The name-only form: two labels, Edit1 and "OK". Edit1 keeps the name typed
// last, so a returning player only confirms it.
QString ask_for_name(Tname_enter& dialog)
{
    dialog.setWindowTitle(QString::fromLatin1(form::hall_of_fame_caption));
    dialog.label1()->setText(QString::fromLatin1(form::hall_of_fame_label1));
    dialog.label2()->setText(QString::fromLatin1(form::hall_of_fame_label2));
    dialog.set_address_and_country_shown(false);
    dialog.set_window_height(form::hall_of_fame_window_height);
    dialog.exec();
    return dialog.edit1()->text();
}

}  // namespace

bool enter_hall_of_fame(int score, bool regular_mode, Tname_enter& name_dialog,
                        THighscores& highscores)
{
    HallOfFame& hall = highscores.hall_of_fame();
    const std::optional<int> index = hall.entry_index(score);
    if (!index)
        return false;

    hall.insert(*index, score, ask_for_name(name_dialog));
    if (!hall.save())
        QMessageBox::warning(name_dialog.parentWidget(),
                             QStringLiteral("Error while saving highscores"),
                             QStringLiteral("Lumbra could not write the hall of fame to your "
                                            "settings. Your entry stays in the list, and Lumbra "
                                            "tries again when it closes."));
    highscores.show_for_mode(regular_mode);
    return true;
}

}  // namespace lumbra
