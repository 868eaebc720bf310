// Texts from a saved game or any other file reach the window as text: no
// label, box or tooltip takes them for markup, shows a link or reads a
// picture they name.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <functional>
#include <thread>

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>

#include "CompanyBuilder.h"
#include "RecordsTable.h"
#include "Support.h"

namespace dzwonex::uitest {
namespace {

using dzwonex::testing::CompanyBuilder;

// A named pipe that tells whether anything opened it, and never lets the
// opener hang: it is held open for writing, so an open returns at once,
// and at the first open it is swapped for an empty file and let go, so the
// reader sees the end and any later open finds a plain file.
class WatchedPipe {
public:
    explicit WatchedPipe(const QString& path) : path_(QFile::encodeName(path).toStdString()) {
        if (::mkfifo(path_.c_str(), 0600) != 0) std::abort();
        writer_ = ::open(path_.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        notify_ = ::inotify_init1(IN_CLOEXEC);
        stop_ = ::eventfd(0, EFD_CLOEXEC);
        if (writer_ < 0 || notify_ < 0 || stop_ < 0 || ::inotify_add_watch(notify_, path_.c_str(), IN_OPEN) < 0)
            std::abort();
        watcher_ = std::thread([this] { Watch(); });
    }
    ~WatchedPipe() {
        const uint64_t one = 1;
        (void)!::write(stop_, &one, sizeof one);
        watcher_.join();
        for (int fd : {writer_, notify_, stop_})
            if (fd >= 0) ::close(fd);
    }
    bool Opened() const { return opened_; }

private:
    void Watch() {
        pollfd fds[2] = {{notify_, POLLIN, 0}, {stop_, POLLIN, 0}};
        while (::poll(fds, 2, -1) < 0 && errno == EINTR) {
        }
        if (!(fds[0].revents & POLLIN)) return;
        opened_ = true;
        const std::string plain = path_ + ".plain";
        ::close(::open(plain.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600));
        ::rename(plain.c_str(), path_.c_str());
        ::close(std::exchange(writer_, -1));
    }

    std::string path_;
    int writer_ = -1, notify_ = -1, stop_ = -1;
    std::atomic<bool> opened_{false};
    std::thread watcher_;
};

// What a reader sees of a text a widget shows in `format`: the text, or
// what is left of it read as markup.
QString Seen(const QString& text, Qt::TextFormat format) {
    if (format == Qt::PlainText || (format == Qt::AutoText && !Qt::mightBeRichText(text))) return text;
    QTextDocument document;
    if (format == Qt::MarkdownText)
        document.setMarkdown(text);
    else
        document.setHtml(text);
    return document.toPlainText();
}

// Shows the tooltip as the pointer would, and takes it down.
void ShowToolTip(const QString& tip) {
    QToolTip::showText(QPoint(40, 40), tip);
    QToolTip::hideText();
}

// Runs `look` on the box `ask` opens, once it is up, then closes the box.
void WhileBoxIsUp(const std::function<void()>& ask, const std::function<void(QWidget*)>& look) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        look(box);
        box->grab();
        seen = true;
        if (auto* dialog = qobject_cast<QDialog*>(box))
            dialog->reject();
        else
            box->close();
    });
    ask();
    EXPECT_TRUE(seen);
}

class PlainTextTest : public ::testing::Test {
protected:
    TestAssets assets;
    QTemporaryDir folder;
    QString picture = folder.filePath(QStringLiteral("obraz"));
    WatchedPipe pipe{picture};
    // Each is markup to Qt's eye; the picture is the pipe.
    QStringList texts = {QStringLiteral("<img src=\"%1\"> obrazek").arg(picture),
                         QStringLiteral("<a href=\"https://dzwonex.example/\">link</a> do kliknięcia"),
                         QStringLiteral("<b>gruby</b> &amp; &#x41; &nbsp;"),
                         QStringLiteral("&lt;b&gt;same encje&lt;/b&gt;")};
};

// The check below can fail: a label that reads markup opens the picture.
TEST_F(PlainTextTest, AWindowThatReadsMarkupWouldBeSeen) {
    QLabel label(texts[0]);
    label.grab();
    EXPECT_TRUE(pipe.Opened());
    EXPECT_NE(Seen(label.text(), label.textFormat()), texts[0]);
}

// A case title from a saved game opened at the start, every label the
// game writes, and the feedback line with its tooltip.
TEST_F(PlainTextTest, EveryTextTheGameShowsIsShownAsItIs) {
    const QString saved = folder.filePath(QStringLiteral("gra.dzwonex"));
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        {
            WindowUnderTest w(assets.Dir());
            CompanyBuilder(w->Game()).PushCase().title = text.toStdString();
            ASSERT_TRUE(w->Controller().Keeper().SaveGameTo(saved));
        }
        WindowUnderTest w(assets.Dir(), 1, false, [&](TfrmMainOptions& o) { o.loadPath = saved; });
        ASSERT_EQ(*w.errors, std::vector<QString>{});
        w.Show();
        // Wide enough for the feedback line to show each text whole.
        w->resize(1280, 800);
        w->Controller().Clock().StopMainTimer();
        EXPECT_EQ(Seen(w.lblTytul->text(), w.lblTytul->textFormat()), text);

        ToldWindow view(w);
        for (int c = 0; c < kControlCount; ++c) view->SetText(static_cast<dzwonex::Control>(c), text.toStdString());
        w.pnlDown->TellAndHold(text);
        for (int page : {kPageMap, kPageStat, kPageCases, kPageMenu}) {
            w.PageControl->SetActivePage(page);
            w->grab();
        }
        int shown = 0;
        for (const QLabel* label : w->findChildren<QLabel*>()) {
            if (label->text() != text) continue;
            ++shown;
            EXPECT_EQ(Seen(label->text(), label->textFormat()), text) << label->objectName().toStdString();
            if (!label->toolTip().isEmpty()) {
                EXPECT_EQ(Seen(label->toolTip(), Qt::AutoText), text);
            }
        }
        // The title, the date, the speed caption, twelve figures and the
        // feedback line.
        EXPECT_EQ(shown, 16);
        EXPECT_EQ(Seen(w.lblZmiany->toolTip(), Qt::AutoText), text);
        ShowToolTip(w.lblZmiany->toolTip());
    }
    EXPECT_FALSE(pipe.Opened());
}

// Error boxes (one at the start included), questions and the records'
// names read from their file.
TEST_F(PlainTextTest, BoxesAndTablesShowTheirTextsAsTheyAre) {
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        auto literal = [&](QWidget* box) {
            auto* message = qobject_cast<QMessageBox*>(box);
            ASSERT_NE(message, nullptr);
            EXPECT_TRUE(Seen(message->text(), message->textFormat()).contains(text)) << message->text().toStdString();
        };
        WhileBoxIsUp([&] { ShowErrorBox(text); }, literal);
        // The question's buttons say what they do; Enter and Escape cancel.
        bool answered = true;
        WhileBoxIsUp([&] { answered = AskBeforeDoing(nullptr, text, QString::fromUtf8("Odpowiedz „Nie” na 9 spraw")); },
                     [&](QWidget* box) {
                         literal(box);
                         auto* message = qobject_cast<QMessageBox*>(box);
                         ASSERT_NE(message, nullptr);
                         QStringList buttons;
                         for (QAbstractButton* button : message->buttons()) buttons << button->text();
                         buttons.sort();
                         EXPECT_EQ(buttons, QStringList({"Anuluj", QString::fromUtf8("Odpowiedz „Nie” na 9 spraw")}));
                         EXPECT_EQ(message->defaultButton()->text(), "Anuluj");
                         EXPECT_EQ(message->escapeButton()->text(), "Anuluj");
                     });
        EXPECT_FALSE(answered);

        TRecordsTable table;
        table.ShowRows({{text.toStdString(), "2026-12-07", 7, 500}}, 1);
        table.grab();
        EXPECT_EQ(table.item(0, 1)->text(), text);
        EXPECT_EQ(Seen(table.item(0, 1)->toolTip(), Qt::AutoText), text);
        ShowToolTip(table.item(0, 1)->toolTip());
    }
    // A saved game that cannot be opened, named at the start: its name is
    // in the message.
    const QString missing = folder.filePath(texts[0] + QStringLiteral(".dzwonex"));
    WhileBoxIsUp(
        [&] {
            WindowUnderTest w(assets.Dir(), 1, false, [&](TfrmMainOptions& o) {
                o.loadPath = missing;
                o.reportError = ShowErrorBox;
            });
        },
        [&](QWidget* box) {
            auto* message = qobject_cast<QMessageBox*>(box);
            ASSERT_NE(message, nullptr);
            EXPECT_TRUE(Seen(message->text(), message->textFormat()).contains(texts[0]));
        });
    EXPECT_FALSE(pipe.Opened());
}

}  // namespace
}  // namespace dzwonex::uitest
