// The real boxes and choosers behind the windows' questions: their icons,
// buttons, defaults and what Enter, Esc and a click answer.

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "gui/app/dialog_prompts.h"

using namespace dorvane;

namespace {

// Calls `act` on the modal window of type W once it shows (the box runs its
// own event loop, so the answer comes from a timer).
template <typename W>
void whenShown(std::function<void(W&)> act) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* shown = qobject_cast<W*>(QApplication::activeModalWidget());
        if (!shown || !shown->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        act(*shown);
    });
    timer->start();
}

// What a box showed, taken before it is answered (so that a failed check
// never leaves a box open).
struct BoxSeen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons standard;
    QStringList buttons;  // sorted, without mnemonic marks
};

BoxSeen look(const QMessageBox& box) {
    BoxSeen seen{box.windowTitle(), box.text(), box.icon(), box.standardButtons(), {}};
    for (QAbstractButton* b : box.buttons()) seen.buttons << b->text().remove(QLatin1Char('&'));
    seen.buttons.sort();
    return seen;
}

QAbstractButton* buttonNamed(const QMessageBox& box, const QString& text) {
    for (QAbstractButton* b : box.buttons())
        if (b->text().remove(QLatin1Char('&')) == text) return b;
    return nullptr;
}

// Answers the next box with a key (Enter: its default button, Esc: its
// escape button) and keeps what it showed in `seen`.
void pressWhenShown(Qt::Key key, BoxSeen* seen = nullptr) {
    whenShown<QMessageBox>([key, seen](QMessageBox& box) {
        if (seen) *seen = look(box);
        QTest::keyClick(&box, key);
    });
}

void clickWhenShown(const QString& button) {
    whenShown<QMessageBox>([button](QMessageBox& box) {
        if (QAbstractButton* b = buttonNamed(box, button))
            b->click();
        else
            box.reject();
    });
}

}  // namespace

class DialogPromptsTest : public QObject {
    Q_OBJECT

    DialogPrompts prompts_;

private slots:
    void aMessageHasItsIconAndOneOkButton_data() {
        QTest::addColumn<PromptIcon>("icon");
        QTest::addColumn<int>("shown");
        QTest::newRow("none") << PromptIcon::None << int(QMessageBox::NoIcon);
        QTest::newRow("exclamation") << PromptIcon::Exclamation << int(QMessageBox::Warning);
        QTest::newRow("information") << PromptIcon::Information << int(QMessageBox::Information);
    }

    void aMessageHasItsIconAndOneOkButton() {
        QFETCH(PromptIcon, icon);
        QFETCH(int, shown);
        BoxSeen seen;
        pressWhenShown(Qt::Key_Return, &seen);
        prompts_.message(nullptr, QStringLiteral("File write failed!"), icon);
        QCOMPARE(seen.title, QStringLiteral("Dorvane_QX"));
        QCOMPARE(seen.text, QStringLiteral("File write failed!"));
        QCOMPARE(int(seen.icon), shown);
        QCOMPARE(seen.standard, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    // Yes/No: No is the default, so Enter does not stop a transfer by
    // mistake; only Yes answers true.
    void aYesNoQuestionDefaultsToNo() {
        const QString text = QStringLiteral("Do you want to close Dorvane_QX?");
        BoxSeen seen;
        pressWhenShown(Qt::Key_Return, &seen);
        QVERIFY(!prompts_.question(nullptr, text));
        QCOMPARE(seen.text, text);
        QCOMPARE(seen.icon, QMessageBox::Warning);
        QCOMPARE(seen.standard, QMessageBox::Yes | QMessageBox::No);
        pressWhenShown(Qt::Key_Escape);
        QVERIFY(!prompts_.question(nullptr, text));
        clickWhenShown(QStringLiteral("Yes"));
        QVERIFY(prompts_.question(nullptr, text));
    }

    void anOkCancelQuestionDefaultsToOk() {
        const QString text = QStringLiteral("Delete 3 channels?");
        BoxSeen seen;
        pressWhenShown(Qt::Key_Return, &seen);
        QVERIFY(prompts_.confirm(nullptr, text));
        QCOMPARE(seen.icon, QMessageBox::Question);
        QCOMPARE(seen.standard, QMessageBox::Ok | QMessageBox::Cancel);
        pressWhenShown(Qt::Key_Escape);
        QVERIFY(!prompts_.confirm(nullptr, text));
    }

    // Two buttons of the caller's texts: the second is the default and Esc's.
    void aTwoButtonQuestionDefaultsToTheSecond() {
        const QString text = QStringLiteral("Service ID 5 is already used on this transponder.");
        const QString keep = QStringLiteral("Keep It");
        const QString change = QStringLiteral("Change It");
        BoxSeen seen;
        pressWhenShown(Qt::Key_Return, &seen);
        QVERIFY(!prompts_.ask(nullptr, text, keep, change));
        QCOMPARE(seen.icon, QMessageBox::Warning);
        QCOMPARE(seen.buttons, (QStringList{change, keep}));
        pressWhenShown(Qt::Key_Escape);
        QVERIFY(!prompts_.ask(nullptr, text, keep, change));
        clickWhenShown(keep);
        QVERIFY(prompts_.ask(nullptr, text, keep, change));
    }

    // A choice answers the index of the button clicked; Esc is the last one.
    void aChoiceAnswersTheButtonsIndex() {
        const QString text = QStringLiteral("Do you want to save changes?");
        const QStringList buttons{QStringLiteral("Save"), QStringLiteral("Don't Save"), QStringLiteral("Cancel")};
        for (int i = 0; i < buttons.size(); ++i) {
            clickWhenShown(buttons[i]);
            QCOMPARE(prompts_.choose(nullptr, text, buttons), i);
        }
        BoxSeen seen;
        pressWhenShown(Qt::Key_Escape, &seen);
        QCOMPARE(prompts_.choose(nullptr, text, buttons), 2);
        QCOMPARE(seen.buttons.size(), buttons.size());
    }

    void aDialogRunsModallyAndGivesItsResult() {
        QDialog dialog;
        whenShown<QDialog>([](QDialog& shown) { shown.accept(); });
        QCOMPARE(prompts_.run(dialog), int(QDialog::Accepted));
        whenShown<QDialog>([](QDialog& shown) { shown.reject(); });
        QCOMPARE(prompts_.run(dialog), int(QDialog::Rejected));
    }

    // The save chooser starts in the current folder with the suggested name
    // and returns it as accepted; without a caption it says "Save As".
    void theSaveChooserProposesTheNameInTheCurrentFolder() {
        QTemporaryDir dir;
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        QString caption;
        bool saving = false;
        whenShown<QFileDialog>([&](QFileDialog& chooser) {
            caption = chooser.windowTitle();
            saving = chooser.acceptMode() == QFileDialog::AcceptSave;
            static_cast<QDialog&>(chooser).accept();  // as the Save button does
        });
        const QString chosen =
            prompts_.saveFileName(nullptr, QString(), QStringLiteral("dorvane.log"), QStringLiteral("Log (*.log)"));
        QCOMPARE(caption, QStringLiteral("Save As"));
        QVERIFY(saving);
        QCOMPARE(QFileInfo(chosen).absoluteFilePath(),
                 QDir(dir.path()).absoluteFilePath(QStringLiteral("dorvane.log")));

        whenShown<QFileDialog>([&](QFileDialog& chooser) {
            caption = chooser.windowTitle();
            chooser.reject();
        });
        QVERIFY(prompts_
                    .saveFileName(nullptr, QStringLiteral("Export to PDF"), QStringLiteral("stbdata.pdf"),
                                  QStringLiteral("PDF (*.pdf)"))
                    .isEmpty());
        QCOMPARE(caption, QStringLiteral("Export to PDF"));
        QVERIFY(QDir::setCurrent(before));
    }

    // The open chooser offers files to read only: no new folder, renaming
    // or deleting; without a caption it says "Open".
    void theOpenChooserIsReadOnly() {
        QString caption;
        bool readOnly = false;
        whenShown<QFileDialog>([&](QFileDialog& chooser) {
            caption = chooser.windowTitle();
            readOnly = chooser.testOption(QFileDialog::ReadOnly);
            chooser.reject();
        });
        QVERIFY(prompts_.openFileName(nullptr, QString(), QStringLiteral("Channel Data (*.irz)")).isEmpty());
        QCOMPARE(caption, QStringLiteral("Open"));
        QVERIFY(readOnly);
    }
};

QTEST_MAIN(DialogPromptsTest)
#include "dialog_prompts_test.moc"
