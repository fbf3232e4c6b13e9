#pragma once

#include <QDialog>
#include <QString>

class QPlainTextEdit;
class QPushButton;
class QScrollArea;

namespace lumbra {

// The rules dialog: the short rules of the game, the product, web-site and
// contact lines, and a button that opens the HTML manual.
class Thelp_box : public QDialog {
    Q_OBJECT

public:
    // Opens relative to `main_window`, which is also its parent. The product
    // line carries `version_text`; "Show me the HTML-manual" opens the file
    // at `manual_path`.
    Thelp_box(QWidget* main_window, const QString& version_text, QString manual_path);

    // The rules text as the dialog shows it, one entry a line.
    QStringList text_lines() const;

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void close_help();
    void Button1Click();

private:
    void FormShow();

    QWidget* main_window_;
    QString manual_path_;
    QScrollArea* ScrollBox1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* okbutton = nullptr;
};

}  // namespace lumbra
