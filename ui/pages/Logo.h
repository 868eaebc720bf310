#pragma once
#include <string>

#include <QDialog>
#include <QLabel>

#include "Controls.h"
#include "GameOptions.h"

namespace dzwonex {

// The greeting shown once when the main window first appears: the game's
// picture and name, a mail link, and "OK". Any key, or a press of any
// mouse button on "OK", closes it.
class TfrmLogo : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWidth = 393;
    static constexpr int kHeight = 267;
    static constexpr const char* kMailLink = "mailto:kontakt@dzwonex.example";

    TfrmLogo(const std::string& appDir, ErrorReporter reportError, UrlOpener openUrl, QWidget* parent = nullptr);

    void FormCreate();
    void FormKeyDown();
    void Label2MouseDown();
    void Label5MouseDown();

    QLabel* imgLogo = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    TPressLabel* Label5 = nullptr;
    TPressLabel* Label2 = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::string appDir_;
    ErrorReporter reportError_;
    UrlOpener openUrl_;
};

}  // namespace dzwonex
