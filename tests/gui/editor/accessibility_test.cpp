// Screen readers and the keyboard: every control of the main window and
// the editor has a name a screen reader says (the skin's bitmap buttons as
// buttons with their texts, the lamps and the progress bar with values),
// and the keyboard alone reaches and presses every command.

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <set>

#include "core/database/demo_data.h"
#include "core/database/receiver_database.h"
#include "editor_test_support.h"
#include "gui/app/connection_check_dialog.h"
#include "gui/app/main_dialog.h"
#include "gui/editor/record_list_model.h"
#include "gui/editor/report_list_view.h"
#include "gui/station/station_window.h"
#include "gui/ui/skin_button.h"
#include "gui/ui/text_progress_bar.h"
#include "ui/contrast.h"
#include "ui/test_languages.h"

using namespace dorvane;

namespace {

QAccessibleInterface* accessible(QWidget* w) { return QAccessible::queryAccessibleInterface(w); }

QString spoken(QWidget* w, QAccessible::Text what = QAccessible::Name) {
    QAccessibleInterface* a = accessible(w);
    return a ? a->text(what) : QString();
}

// The controls of top a person works with: what takes the focus, and the
// skin's buttons, lamps and bar.
QList<QWidget*> controls(QWidget& top) {
    QList<QWidget*> out;
    for (QWidget* w : top.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&top) || w->inherits("QScrollBar") ||
            w->objectName() == QLatin1String("qt_scrollarea_viewport"))
            continue;
        if (w->focusPolicy() != Qt::NoFocus || qobject_cast<CSkinButton*>(w) || qobject_cast<CTextProgressBar*>(w))
            out << w;
    }
    return out;
}

QStringList unnamed(QWidget& top) {
    QStringList bad;
    for (QWidget* w : controls(top))
        if (spoken(w).trimmed().isEmpty())
            bad << QStringLiteral("%1 %2").arg(QString::fromLatin1(w->metaObject()->className()), w->objectName());
    return bad;
}

// The widgets Tab reaches from the first, once round.
std::set<QWidget*> tabRound(QWidget& top, QWidget* first) {
    std::set<QWidget*> reached;
    first->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 200; ++i) {
        QWidget* now = QApplication::focusWidget();
        if (!now || !reached.insert(now).second) break;
        QTest::keyClick(now, Qt::Key_Tab);
    }
    static_cast<void>(top);
    return reached;
}

// Tabs to target and presses it with Space; true when it was pressed.
bool pressWithKeyboard(QWidget& top, QAbstractButton* target) {
    QWidget* start = QApplication::focusWidget() ? QApplication::focusWidget() : &top;
    for (int i = 0; i < 60 && QApplication::focusWidget() != target; ++i)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : start, Qt::Key_Tab);
    if (QApplication::focusWidget() != target) return false;
    QSignalSpy clicked(target, &QAbstractButton::clicked);
    QTest::keyClick(target, Qt::Key_Space);
    return clicked.count() == 1;
}

// The enabled controls of top that Tab, going round from the first, misses
// (of a group of radio buttons, the chosen one counts: the arrow keys move
// within the group).
QStringList missedByTab(QWidget& top) {
    QWidget* first = nullptr;
    for (QWidget* w : controls(top))
        if (w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !first) first = w;
    if (!first) return {QStringLiteral("no control takes the focus")};
    const std::set<QWidget*> reached = tabRound(top, first);
    QStringList missed;
    for (QWidget* w : controls(top)) {
        if (!w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus) || reached.count(w)) continue;
        if (auto* radio = qobject_cast<QRadioButton*>(w); radio && !radio->isChecked()) continue;
        missed << QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(w->metaObject()->className()), spoken(w));
    }
    return missed;
}

// Closes the modal dialog a command opens, once it is up.
void closeTheDialogItOpens() {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            d->reject();
            poll->deleteLater();
        }
    });
    poll->start(20);
}

std::unique_ptr<ReceiverDatabase> demoDatabase() {
    auto db = std::make_unique<ReceiverDatabase>();
    fillDemoDatabase(*db);
    return db;
}

struct MainWindow {
    test::ScriptedPrompts prompts;
    std::unique_ptr<CMainDialog> window;
    MainWindow() {
        CMainDialog::Options options;
        options.portName = QStringLiteral("/dev/dorvane-no-such-port");
        options.settingsApplication = QStringLiteral("dorvane-accessibility-test");
        window = std::make_unique<CMainDialog>(options, prompts);
        window->control(CMainDialog::kEditor)->show();
        window->control(CMainDialog::kForced)->setEnabled(true);
        window->show();
    }
    template <typename T = QWidget>
    T* control(int id) {
        return static_cast<T*>(window->control(id));
    }
};

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { test::useLanguage(QStringLiteral("en")); }

    void everyControlOfTheMainWindowIsNamed_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << "en";
        QTest::newRow("de") << "de";
        QTest::newRow("ar") << "ar";
    }

    void everyControlOfTheMainWindowIsNamed() {
        QFETCH(QString, language);
        QVERIFY(test::useLanguage(language));
        MainWindow m;
        QVERIFY(QTest::qWaitForWindowExposed(m.window.get()));
        QStringList bad = unnamed(*m.window);
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join(QStringLiteral(", "))));

        // The bitmap buttons are buttons, said with their texts.
        for (int id : {CMainDialog::kOpen, CMainDialog::kDownload, CMainDialog::kUpload, CMainDialog::kConfigure,
                       CMainDialog::kEditor}) {
            auto* b = m.control<CSkinButton>(id);
            QCOMPARE(accessible(b)->role(), QAccessible::Button);
            QCOMPARE(spoken(b), shownText(b->text()));
        }
        // The lamps say their state, the bar its text and position.
        auto* port = m.control(CMainDialog::kPortLamp);
        auto* power = m.control(CMainDialog::kPowerLamp);
        QCOMPARE(accessible(power)->role(), QAccessible::Indicator);
        QCOMPARE(spoken(port, QAccessible::Value), QCoreApplication::translate("dorvane::CMainDialog", "disconnected"));
        QCOMPARE(spoken(power, QAccessible::Value), QCoreApplication::translate("dorvane::CMainDialog", "off"));
        QVERIFY(spoken(port) != spoken(power));
        auto* bar = m.control<CTextProgressBar>(CMainDialog::kProgress);
        QCOMPARE(accessible(bar)->role(), QAccessible::ProgressBar);
        bar->setPosition(42);
        bar->setText(QStringLiteral("Downloading 42% ..."));
        QAccessibleValueInterface* value = accessible(bar)->valueInterface();
        QVERIFY(value);
        QCOMPARE(value->currentValue().toInt(), 42);
        QCOMPARE(value->maximumValue().toInt(), 100);
        QCOMPARE(spoken(bar, QAccessible::Value), QStringLiteral("Downloading 42% ..."));
    }

    void theKeyboardPressesEveryCommandOfTheMainWindow() {
        MainWindow m;
        QVERIFY(QTest::qWaitForWindowExposed(m.window.get()));
        m.window->activateWindow();
        const std::set<QWidget*> reached = tabRound(*m.window, m.control(CMainDialog::kFilePath));
        for (int id : {CMainDialog::kOpen, CMainDialog::kDownload, CMainDialog::kUpload, CMainDialog::kConfigure,
                       CMainDialog::kEditor, CMainDialog::kStation, CMainDialog::kForced, CMainDialog::kPortLamp,
                       CMainDialog::kLog, CMainDialog::kTitle, CMainDialog::kMinimize, CMainDialog::kClose})
            QVERIFY2(reached.count(m.control(id)),
                     qPrintable(QStringLiteral("control %1 is not reached by Tab").arg(id)));

        // Space presses each; the boxes they open are answered by the script.
        for (int id : {CMainDialog::kOpen, CMainDialog::kUpload, CMainDialog::kDownload, CMainDialog::kConfigure,
                       CMainDialog::kEditor, CMainDialog::kForced, CMainDialog::kTitle})
            QVERIFY2(pressWithKeyboard(*m.window, m.control<QAbstractButton>(id)), qPrintable(QString::number(id)));
        QCOMPARE(m.prompts.aboutBoxes, 1);
        // The Station view opens as a dialog of its own.
        closeTheDialogItOpens();
        QVERIFY(pressWithKeyboard(*m.window, m.control<QAbstractButton>(CMainDialog::kStation)));
        m.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m.window.get()));

        // Alt and a letter press a button from anywhere.
        for (auto [key, id] :
             {std::pair{Qt::Key_O, CMainDialog::kOpen}, std::pair{Qt::Key_D, CMainDialog::kDownload},
              std::pair{Qt::Key_U, CMainDialog::kUpload}, std::pair{Qt::Key_C, CMainDialog::kConfigure},
              std::pair{Qt::Key_E, CMainDialog::kEditor}, std::pair{Qt::Key_F, CMainDialog::kForced}}) {
            QSignalSpy clicked(m.control<QAbstractButton>(id), &QAbstractButton::clicked);
            QTest::keyClick(m.window.get(), key, Qt::AltModifier);
            QTRY_VERIFY2(clicked.count() == 1, qPrintable(QString::number(id)));
        }
        QSignalSpy station(m.control<QAbstractButton>(CMainDialog::kStation), &QAbstractButton::clicked);
        closeTheDialogItOpens();
        QTest::keyClick(m.window.get(), Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(station.count(), 1);
        m.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m.window.get()));

        // The Menu key opens the log's menu (Save log, Save trace, Save
        // support bundle).
        auto* log = m.control<QListWidget>(CMainDialog::kLog);
        log->setFocus(Qt::TabFocusReason);
        QStringList offered;
        QTimer::singleShot(0, [&offered] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (QAction* a : menu->actions())
                    if (!a->isSeparator()) offered << a->text();
                menu->close();
            }
        });
        QTest::keyClick(log, Qt::Key_Menu);
        QCOMPARE(offered, (QStringList{QStringLiteral("Save log..."), QStringLiteral("Save trace..."),
                                       QStringLiteral("Save support bundle...")}));

        // The port lamp, then Close, end the round.
        m.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m.window.get()));
        m.control(CMainDialog::kFilePath)->setFocus(Qt::TabFocusReason);
        QVERIFY(pressWithKeyboard(*m.window, m.control<QAbstractButton>(CMainDialog::kPortLamp)));
        QVERIFY(pressWithKeyboard(*m.window, m.control<QAbstractButton>(CMainDialog::kClose)));
        QTRY_VERIFY(!m.window->isVisible());
    }

    void everyControlOfTheEditorIsNamedAndReached() {
        test::ScriptedPrompts prompts;
        test::EditorWindow editor(*demoDatabase(), prompts);
        QVERIFY(editor.opened());
        CReceiverDataDialog& dialog = editor.dialog();
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.activateWindow();
        QStringList bad = unnamed(dialog);
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join(QStringLiteral(", "))));

        // Tab reaches every enabled control.
        const QStringList missed = missedByTab(dialog);
        QVERIFY2(missed.isEmpty(), qPrintable(missed.join(QStringLiteral(", "))));
    }

    void theStationViewAndTheConnectionCheckAreNamedAndReached_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << "en";
        QTest::newRow("de") << "de";
        QTest::newRow("ar") << "ar";
    }

    void theStationViewAndTheConnectionCheckAreNamedAndReached() {
        QFETCH(QString, language);
        QVERIFY(test::useLanguage(language));
        StationWindow station;
        station.addPort(QStringLiteral("/dev/dorvane-no-such-port-1"));
        station.addPort(QStringLiteral("/dev/dorvane-no-such-port-2"));
        CConnectionCheckDialog check(QStringLiteral("/dev/dorvane-no-such-port"), {});
        for (QDialog* d : {static_cast<QDialog*>(&station), static_cast<QDialog*>(&check)}) {
            d->show();
            QVERIFY(QTest::qWaitForWindowExposed(d));
            d->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(d));
            QStringList bad = unnamed(*d);
            QVERIFY2(bad.isEmpty(), qPrintable(bad.join(QStringLiteral(", "))));
            bad = missedByTab(*d);
            QVERIFY2(bad.isEmpty(), qPrintable(bad.join(QStringLiteral(", "))));
            d->hide();
        }
        // The port tiles' bars say which port they are for.
        const QList<QProgressBar*> bars = station.findChildren<QProgressBar*>();
        QCOMPARE(bars.size(), 2);
        QVERIFY(spoken(bars[0]) != spoken(bars[1]));
    }

    void theEditorTakesADarkPalette() {
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
        dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
        dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
        dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
        dark.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3a));
        dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
        QApplication::setPalette(dark);
        test::ScriptedPrompts prompts;
        test::EditorWindow editor(*demoDatabase(), prompts);
        QVERIFY(editor.opened());
        editor.dialog().show();
        QStringList bad;
        for (QWidget* w : editor.dialog().findChildren<QWidget*>()) {
            if (!w->isVisibleTo(&editor.dialog())) continue;
            const QColor fg = w->palette().color(w->foregroundRole());
            if (fg != dark.color(w->foregroundRole()) ||
                test::contrastRatio(fg, w->palette().color(w->backgroundRole())) < 4.5)
                bad << QString::fromLatin1(w->metaObject()->className());
        }
        // A row marked for moving keeps dark text on its amber.
        RecordListModel model;
        model.setColumns({{QStringLiteral("Name"), 50, [](int id) { return QString::number(id); }}});
        model.setRows({1, 2});
        model.setRowMark([](int id) { return id == 2; });
        const QModelIndex marked = model.index(1, 0);
        const QColor text = model.data(marked, Qt::ForegroundRole).value<QBrush>().color();
        const QColor behind = model.data(marked, Qt::BackgroundRole).value<QBrush>().color();
        QVERIFY(test::contrastRatio(text, behind) >= 4.5);
        QVERIFY(!model.data(model.index(0, 0), Qt::ForegroundRole).isValid());  // unmarked rows: the palette's
        QApplication::setPalette(QPalette());
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
