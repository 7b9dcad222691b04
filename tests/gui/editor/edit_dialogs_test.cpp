// The three edit dialogs: what they show for a record and what "OK" writes.

#include <cstring>

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "core/database/receiver_database.h"
#include "editor_test_support.h"
#include "gui/editor/cell_texts.h"
#include "gui/editor/edit_channel_dialog.h"
#include "gui/editor/edit_satellite_dialog.h"
#include "gui/editor/edit_tp_dialog.h"
#include "gui/editor/record_list_model.h"

using namespace dorvane;
using namespace dorvane::test;

namespace {

QStringList entries(const QComboBox* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->itemText(i);
    return texts;
}

SatelliteRecord universalSatellite() {
    SatelliteRecord sat{};
    setFixedText(sat.name, "Orbit A");
    sat.location = 192;
    sat.lnbType = 0;
    sat.lnbFrequency = 10600;
    sat.lnbFrequencyChoice = 0;
    sat.diseqcType = 1;
    sat.diseqcPort = 2;
    sat.dishPosition = 29;
    sat.carried18 = 0x5A;
    sat.carried30[0] = 0xA5;
    return sat;
}

// Picks an entry of a drop-down list with the keys, as an operator does
// (Home, then Down), so that the list reports it as the operator's choice.
void choose(QComboBox* list, int index) {
    list->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(list, Qt::Key_Home);
    if (list->currentIndex() != 0) QTest::keyClick(list, Qt::Key_Down);  // from no selection to the first
    for (int i = 0; i < index; ++i) QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentIndex(), index);
}

// Replaces the text of an edit by typing.
void type(QLineEdit* edit, const QString& text) {
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// Shows a dialog so that focus and enabled states are real.
void showActive(QDialog& dialog) {
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
}

void setSatellite(ReceiverDatabase& db, int slot, const char* name, int location) {
    SatelliteRecord& sat = db.satellite(slot);
    sat = {};
    setFixedText(sat.name, name);
    sat.location = static_cast<std::int16_t>(location);
    sat.dishPosition = 29;
}

void setTransponder(ReceiverDatabase& db, int number, int slot, int frequency, int polarisation) {
    TransponderRecord& tp = db.transponder(number);
    tp = {};
    tp.satellite = static_cast<std::uint8_t>(slot + 1);
    tp.frequency = static_cast<std::uint16_t>(frequency);
    tp.polarisation = static_cast<std::uint8_t>(polarisation);
}

}  // namespace

class EditDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void satelliteLnbListsFollowTheLnbType() {
        ScriptedPrompts prompts;
        CEditSatelliteDialog dialog(satelliteDialogValues(universalSatellite()), prompts);
        showActive(dialog);
        QCOMPARE(dialog.lnbLowEdit()->text(), QStringLiteral("9750"));
        QVERIFY(!dialog.lnbLowEdit()->isEnabled());
        QVERIFY(!dialog.lnbHighEdit()->isEnabled());
        QVERIFY(!dialog.toneList()->isEnabled());
        QCOMPARE(entries(dialog.frequencyList()), QStringList({"10600", "10700", "10750", "11250"}));
        QCOMPARE(entries(dialog.diseqcPortList()), QStringList({"1", "2", "3", "4"}));
        QCOMPARE(dialog.diseqcPortList()->currentIndex(), 2);
        QVERIFY(dialog.diseqcPortList()->isEnabled());
        QVERIFY(!dialog.dishPositionEdit()->isEnabled());

        choose(dialog.lnbTypeList(), 1);
        QVERIFY(dialog.lnbHighEdit()->isEnabled());
        QVERIFY(dialog.toneList()->isEnabled());
        QCOMPARE(entries(dialog.frequencyList()), QStringList({"5150", "5750", "9750", "10600", "10750", "11250"}));
        // The list names the LNB frequency the satellite has.
        QCOMPARE(dialog.frequencyList()->currentText(), QStringLiteral("10600"));

        choose(dialog.diseqcTypeList(), 2);
        QCOMPARE(dialog.diseqcPortList()->count(), 16);
        QCOMPARE(dialog.diseqcPortList()->currentIndex(), 2);
        choose(dialog.diseqcTypeList(), 3);
        QCOMPARE(dialog.diseqcPortList()->count(), 0);
        QVERIFY(!dialog.diseqcPortList()->isEnabled());
        QVERIFY(!dialog.dishPositionEdit()->isEnabled());
        choose(dialog.diseqcTypeList(), 4);
        QVERIFY(dialog.dishPositionEdit()->isEnabled());
        type(dialog.dishPositionEdit(), QStringLiteral("256"));
        type(dialog.lnbHighEdit(), QStringLiteral("75150"));   // beyond 16 bits
        QCOMPARE(dialog.frequencyList()->currentIndex(), -1);  // no entry names it

        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        SatelliteRecord sat = universalSatellite();
        storeSatelliteDialogValues(dialog.values(), sat);
        QCOMPARE(sat.lnbType, std::uint8_t(1));
        QCOMPARE(sat.diseqcType, std::uint8_t(4));
        QCOMPARE(sat.diseqcPort, std::uint8_t(2));          // no port list: the port is kept
        QCOMPARE(sat.lnbFrequencyChoice, std::uint8_t(0));  // no entry chosen: kept
        QCOMPARE(sat.dishPosition, std::uint8_t(0));        // 256, low eight bits
        QVERIFY(!satelliteInUse(sat));
        QCOMPARE(int(sat.lnbFrequency), 75150 - 65536);
        QCOMPARE(sat.carried18, std::uint8_t(0x5A));
        QCOMPARE(sat.carried30[0], std::uint8_t(0xA5));
        QCOMPARE(fixedText(sat.name), std::string("Orbit A"));
        QCOMPARE(int(sat.location), 192);
    }

    // What the dialog shows is what the record holds: the frequency list
    // names the stored frequency, not the entry its position byte would
    // give; a list left without a selection writes nothing.
    void frequencyListShowsTheStoredFrequency() {
        ScriptedPrompts prompts;
        SatelliteRecord sat = universalSatellite();
        sat.lnbType = 1;
        sat.lnbFrequency = 10750;
        sat.lnbFrequencyChoice = 0;  // would be "5150"
        sat.diseqcType = 0;
        sat.diseqcPort = 0;
        const SatelliteRecord stored = sat;
        {
            CEditSatelliteDialog dialog(satelliteDialogValues(sat), prompts);
            showActive(dialog);
            QCOMPARE(dialog.frequencyList()->currentText(), QStringLiteral("10750"));
            QCOMPARE(dialog.lnbHighEdit()->text(), QStringLiteral("10750"));
            QCOMPARE(dialog.diseqcPortList()->count(), 0);
            QTest::keyClick(&dialog, Qt::Key_Return);  // OK, nothing changed
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            storeSatelliteDialogValues(dialog.values(), sat);
            QCOMPARE(std::memcmp(&sat, &stored, sizeof sat), 0);  // the port stays 0, the choice 0
        }
        {
            // Choosing an entry sets the frequency and its position.
            CEditSatelliteDialog dialog(satelliteDialogValues(sat), prompts);
            showActive(dialog);
            choose(dialog.frequencyList(), 1);
            QCOMPARE(dialog.lnbHighEdit()->text(), QStringLiteral("5750"));
            // Typing a frequency of the list selects its entry.
            type(dialog.lnbHighEdit(), QStringLiteral("9750"));
            QCOMPARE(dialog.frequencyList()->currentText(), QStringLiteral("9750"));
            dialog.accept();
            storeSatelliteDialogValues(dialog.values(), sat);
            QCOMPARE(int(sat.lnbFrequency), 9750);
            QCOMPARE(int(sat.lnbFrequencyChoice), 2);
        }
        {
            // To Universal: 9750 is no high oscillator, nothing selected,
            // and the position byte stays.
            CEditSatelliteDialog dialog(satelliteDialogValues(sat), prompts);
            showActive(dialog);
            choose(dialog.lnbTypeList(), 0);
            QCOMPARE(dialog.frequencyList()->currentIndex(), -1);
            QCOMPARE(dialog.lnbLowEdit()->text(), QStringLiteral("9750"));
            dialog.accept();
            storeSatelliteDialogValues(dialog.values(), sat);
            QCOMPARE(int(sat.lnbFrequencyChoice), 2);
            QCOMPARE(int(sat.lnbType), 0);
            QCOMPARE(int(sat.lnbFrequency), 9750);
        }
    }

    void satelliteNameAndLocationAreCutToTheirFields() {
        ScriptedPrompts prompts;
        SatelliteRecord sat = universalSatellite();
        CEditSatelliteDialog dialog(satelliteDialogValues(sat), prompts);
        showActive(dialog);
        QCOMPARE(dialog.locationEdit()->text(), QStringLiteral("19.2"));
        QCOMPARE(dialog.sideList()->currentText(), QStringLiteral("East"));
        type(dialog.nameEdit(), QStringLiteral("A very long satellite name"));
        // Degrees beyond a half circle or not a number are refused.
        for (const char* bad : {"-1", "180.5", "19.25", "east"}) {
            type(dialog.locationEdit(), QLatin1String(bad));
            dialog.accept();
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QCOMPARE(prompts.messages.last(), QStringLiteral("Location must be 0.0 to 180.0 degrees East or West."));
            QVERIFY(dialog.locationEdit()->hasFocus());
        }
        type(dialog.locationEdit(), QStringLiteral("30"));
        choose(dialog.sideList(), 1);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        storeSatelliteDialogValues(dialog.values(), sat);
        QCOMPARE(fixedText(sat.name), std::string("A very long sat"));
        QCOMPARE(sat.name[15], '\0');
        QCOMPARE(int(sat.location), 3300);
        QVERIFY(satelliteInUse(sat));

        // Stored values the degrees cannot show stay when not touched.
        sat.location = -1;
        CEditSatelliteDialog odd(satelliteDialogValues(sat), prompts);
        odd.accept();
        storeSatelliteDialogValues(odd.values(), sat);
        QCOMPARE(int(sat.location), -1);
    }

    void locationsShowAsDegreesEastOrWest() {
        QCOMPARE(shownLocation(192), QStringLiteral("19.2\u00B0E"));
        QCOMPARE(shownLocation(3300), QStringLiteral("30.0\u00B0W"));
        QCOMPARE(shownLocation(1800), QStringLiteral("180.0\u00B0E"));
        QCOMPARE(shownLocation(1801), QStringLiteral("179.9\u00B0W"));
        QCOMPARE(shownLocation(0), QStringLiteral("0.0\u00B0E"));
        QCOMPARE(shownLocation(-5), QStringLiteral("-5"));
        // Every location of a half circle on either side comes back.
        for (int tenths = 0; tenths <= 3600; ++tenths) {
            const LocationParts parts = locationParts(tenths);
            const auto back = locationFromParts(parts.degrees, parts.west);
            QVERIFY(back);
            QCOMPARE(*back, tenths == 3600 ? 0 : tenths);
        }
        QCOMPARE(locationFromParts(QStringLiteral("19,2"), false), std::optional<int>(192));

        // The "Location" column sorts by position, as the stored values do.
        const std::vector<int> stored{3300, 192, 1801, 50, 1800, 3599, 235};
        RecordListModel model;
        model.setColumns({{QStringLiteral("Location"), 70, [&](int id) { return shownLocation(stored[id]); }}});
        model.setRows({0, 1, 2, 3, 4, 5, 6});
        model.sortRowsByColumn(0, false);
        std::vector<int> sorted;
        for (int id : model.ids()) sorted.push_back(stored[id]);
        QCOMPARE(sorted, (std::vector<int>{50, 192, 235, 1800, 1801, 3300, 3599}));
    }

    void nonIntegerKeepsTheDialogOpenWithTheFieldFocused() {
        ScriptedPrompts prompts;
        SatelliteRecord single = universalSatellite();
        single.lnbType = 1;
        CEditSatelliteDialog dialog(satelliteDialogValues(single), prompts);
        showActive(dialog);
        type(dialog.lnbHighEdit(), QStringLiteral("10.6G"));
        dialog.nameEdit()->setFocus();
        dialog.accept();
        QCOMPARE(prompts.messages, QStringList{QStringLiteral("Please enter an integer.")});
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.lnbHighEdit()->hasFocus());
        type(dialog.lnbHighEdit(), QStringLiteral(" 10600 "));
        dialog.accept();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.values().lnbHigh, 10600);

        TransponderRecord tp{};
        CEditTpDialog tpDialog(transponderDialogValues(tp), prompts);
        showActive(tpDialog);
        tpDialog.symbolRateEdit()->setText(QStringLiteral("27.5k"));
        tpDialog.accept();
        QCOMPARE(prompts.messages.size(), 2);
        QVERIFY(tpDialog.isVisible());
        QVERIFY(tpDialog.symbolRateEdit()->hasFocus());
        tpDialog.reject();
    }

    void transponderEncodings() {
        ScriptedPrompts prompts;
        TransponderRecord tp{};
        tp.satellite = 3;
        tp.frequency = 11778;
        tp.symbolRate = 27500;
        tp.fec = 13;          // beyond the table
        tp.transmission = 0;  // neither
        tp.modulation = 1;    // neither
        tp.carried12[2] = 0x77;
        CEditTpDialog dialog(transponderDialogValues(tp), prompts);
        QCOMPARE(dialog.fecList()->count(), 13);
        QCOMPARE(dialog.fecList()->itemText(12), QStringLiteral("Auto"));
        QCOMPARE(dialog.fecList()->currentIndex(), -1);
        QCOMPARE(dialog.transmissionList()->currentIndex(), -1);
        QCOMPARE(dialog.modulationList()->currentIndex(), -1);
        QCOMPARE(dialog.polarisationList()->currentText(), QStringLiteral("V(R)"));
        dialog.accept();
        storeTransponderDialogValues(dialog.values(), tp);
        // Lists without a selection write nothing: the bytes stay.
        QCOMPARE(tp.fec, std::uint8_t(13));
        QCOMPARE(tp.transmission, std::uint8_t(0));
        QCOMPARE(tp.modulation, std::uint8_t(1));
        QCOMPARE(tp.carried12[2], std::uint8_t(0x77));
        QCOMPARE(tp.satellite, std::uint8_t(3));

        tp.transmission = 2;
        tp.modulation = 4;
        tp.fec = 3;
        CEditTpDialog again(transponderDialogValues(tp), prompts);
        QCOMPARE(again.transmissionList()->currentText(), QStringLiteral("DVB-S2"));
        QCOMPARE(again.modulationList()->currentText(), QStringLiteral("8PSK"));
        QCOMPARE(again.fecList()->currentText(), QStringLiteral("3/4"));
        again.transmissionList()->setCurrentIndex(0);
        again.modulationList()->setCurrentIndex(0);
        again.polarisationList()->setCurrentIndex(1);
        // Values the file cannot hold are refused, the dialog stays open.
        for (const char* frequency : {"70000", "0", "-5"}) {
            again.frequencyEdit()->setText(QLatin1String(frequency));
            again.accept();
            QCOMPARE(again.result(), int(QDialog::Rejected));
            QCOMPARE(prompts.messages.last(), QStringLiteral("Frequency must be 1 to 65535 MHz."));
        }
        again.frequencyEdit()->setText(QStringLiteral("11000"));
        again.symbolRateEdit()->setText(QStringLiteral("65536"));
        again.accept();
        QCOMPARE(prompts.messages.last(), QStringLiteral("Symbol Rate must be 0 to 65535."));
        again.symbolRateEdit()->setText(QStringLiteral("65535"));
        again.accept();
        QCOMPARE(again.result(), int(QDialog::Accepted));
        storeTransponderDialogValues(again.values(), tp);
        QCOMPARE(tp.transmission, std::uint8_t(1));
        QCOMPARE(tp.modulation, std::uint8_t(2));
        QCOMPARE(tp.polarisation, std::uint8_t(1));
        QCOMPARE(int(tp.frequency), 11000);
        QCOMPARE(int(tp.symbolRate), 65535);
        QCOMPARE(tp.fec, std::uint8_t(3));
        QCOMPARE(tp.satellite, std::uint8_t(3));  // no satellite choice offered: unchanged
    }

    void transponderSatelliteChoiceAndCollisionWarning() {
        ScriptedPrompts prompts;
        auto db = std::make_unique<ReceiverDatabase>();
        setSatellite(*db, 0, "East", 192);
        setSatellite(*db, 1, "West", 3300);
        setSatellite(*db, 2, "Parked", 100);
        db->satellite(2).dishPosition = 0;  // not in use: not offered
        setTransponder(*db, 0, 0, 11778, 0);
        setTransponder(*db, 1, 0, 12000, 0);

        CEditTpDialog dialog(transponderDialogValues(db->transponder(1)), prompts);
        dialog.useDatabase(*db, 1);
        QVERIFY(dialog.satelliteList());
        QCOMPARE(entries(dialog.satelliteList()), QStringList({"East (19.2\u00B0E)", "West (30.0\u00B0W)"}));
        QCOMPARE(dialog.satelliteList()->currentIndex(), 0);

        // 11779 on the same satellite and polarisation: a warning; "Change"
        // keeps the dialog open.
        dialog.frequencyEdit()->setText(QStringLiteral("11779"));
        prompts.answers = {false};
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(prompts.questions.size(), 1);
        QVERIFY(prompts.questions.last().startsWith(QStringLiteral("Transponder 0 (11778 MHz V(R))")));
        // On another satellite it collides with nothing.
        dialog.satelliteList()->setCurrentIndex(1);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(prompts.questions.size(), 1);
        storeTransponderDialogValues(dialog.values(), db->transponder(1));
        QCOMPARE(int(db->transponder(1).satellite), 2);
        QCOMPARE(int(db->transponder(1).frequency), 11779);

        // "Keep" takes the colliding frequency.
        CEditTpDialog again(transponderDialogValues(db->transponder(1)), prompts);
        again.useDatabase(*db, 1);
        again.satelliteList()->setCurrentIndex(0);
        prompts.answers = {true};
        again.accept();
        QCOMPARE(again.result(), int(QDialog::Accepted));
        QCOMPARE(prompts.questions.size(), 2);
    }

    void channelListsNameAndPids() {
        ScriptedPrompts prompts;
        auto db = std::make_unique<ReceiverDatabase>();
        setSatellite(*db, 0, "East", 192);
        setSatellite(*db, 1, "West", 3300);
        setSatellite(*db, 2, "Edge", 1800);
        setSatellite(*db, 3, "Over", 1801);
        setSatellite(*db, 4, "Parked", 100);
        db->satellite(4).dishPosition = 0;  // not offered
        setTransponder(*db, 5, 0, 11778, 1);
        setTransponder(*db, 9, 0, 12100, 0);
        setTransponder(*db, 7, 1, 10900, 0);
        setTransponder(*db, 8, 1, 11100, 1);
        ChannelRecord& ch = db->channel(3);
        setFixedText(ch.name, "Old name");
        ch.flags = kFlagTv;
        ch.transponder = 9;
        ch.satellite = 0;
        ch.videoPid = 101;
        ch.audioPid = 102;
        ch.pcrPid = 103;
        ch.serviceId = 777;

        CEditChannelDialog dialog(*db, 3, prompts);
        QCOMPARE(entries(dialog.satelliteList()), QStringList({"East (19.2\u00B0E)", "West (30.0\u00B0W)",
                                                               "Edge (180.0\u00B0E)", "Over (179.9\u00B0W)"}));
        QCOMPARE(dialog.satelliteList()->currentIndex(), 0);
        QCOMPARE(entries(dialog.transponderList()), QStringList({"TP(5) 11778H", "TP(9) 12100V"}));
        QCOMPARE(dialog.transponderList()->currentText(), QStringLiteral("TP(9) 12100V"));
        QCOMPARE(dialog.videoPidEdit()->text(), QStringLiteral("101"));

        // A name longer than its field holds is refused in the words of the
        // imports.
        type(dialog.nameEdit(), QStringLiteral("A name of twenty-five ch"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(prompts.messages.last(), QStringLiteral("The name is longer than 18 characters."));
        dialog.nameEdit()->setText(QStringLiteral("\u0416ukov"));  // pasted
        dialog.accept();
        QCOMPARE(prompts.messages.last(),
                 QStringLiteral("The name holds a character the file cannot store (only Latin-1, no NUL)."));
        type(dialog.nameEdit(), QStringLiteral("A name of twenty-f"));
        dialog.pcrPidEdit()->setText(QStringLiteral("65537"));
        // Another satellite: its own transponders, the first one chosen.
        dialog.satelliteList()->setCurrentIndex(1);
        QCOMPARE(entries(dialog.transponderList()), QStringList({"TP(7) 10900V", "TP(8) 11100H"}));
        dialog.transponderList()->setCurrentIndex(1);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(prompts.messages.last(), QStringLiteral("PCR PID must be 0 to 65535."));
        QCOMPARE(fixedText(ch.name), std::string("Old name"));  // nothing written yet
        dialog.pcrPidEdit()->setText(QStringLiteral("1"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(fixedText(ch.name), std::string("A name of twenty-f"));
        for (std::size_t i = 18; i < sizeof ch.name; ++i) QCOMPARE(ch.name[i], '\0');
        QCOMPARE(int(ch.transponder), 8);
        QCOMPARE(int(ch.satellite), 1);
        QCOMPARE(int(ch.pcrPid), 1);
        QCOMPARE(int(ch.videoPid), 101);
        QCOMPARE(int(ch.serviceId), 777);

        // A satellite without transponders: nothing to choose, the channel
        // stays on its transponder.
        CEditChannelDialog second(*db, 3, prompts);
        second.satelliteList()->setCurrentIndex(2);
        QCOMPARE(second.transponderList()->count(), 0);
        second.accept();
        QCOMPARE(int(ch.transponder), 8);
        QCOMPARE(int(ch.satellite), 1);

        // Cancel writes nothing.
        CEditChannelDialog third(*db, 3, prompts);
        third.nameEdit()->setText(QStringLiteral("Changed"));
        third.reject();
        QCOMPARE(fixedText(ch.name), std::string("A name of twenty-f"));

        // Service id and teletext PID; a service id another channel of the
        // transponder has is said, and kept only when the operator says so.
        ChannelRecord& other = db->channel(4);
        other = ch;
        setFixedText(other.name, "Other");
        other.serviceId = 900;
        CEditChannelDialog fourth(*db, 3, prompts);
        QCOMPARE(fourth.serviceIdEdit()->text(), QStringLiteral("777"));
        fourth.teletextPidEdit()->setText(QStringLiteral("70000"));
        fourth.accept();
        QCOMPARE(prompts.messages.last(), QStringLiteral("Teletext PID must be 0 to 65535."));
        fourth.teletextPidEdit()->setText(QStringLiteral("555"));
        fourth.serviceIdEdit()->setText(QStringLiteral("900"));
        prompts.answers = {false};
        fourth.accept();
        QVERIFY(prompts.questions.last().contains(
            QStringLiteral("Service ID 900 is already used on this transponder by \"Other\" (channel 4)")));
        QCOMPARE(fourth.result(), int(QDialog::Rejected));
        QCOMPARE(int(ch.serviceId), 777);
        QVERIFY(fourth.serviceIdEdit()->hasFocus() || !fourth.isVisible());
        prompts.answers = {true};
        fourth.accept();
        QCOMPARE(fourth.result(), int(QDialog::Accepted));
        QCOMPARE(int(ch.serviceId), 900);
        QCOMPARE(int(ch.teletextPid), 555);
        // On another transponder the same id is no question.
        const int asked = int(prompts.questions.size());
        other.transponder = 7;
        CEditChannelDialog fifth(*db, 3, prompts);
        fifth.serviceIdEdit()->setText(QStringLiteral("900"));
        fifth.accept();
        QCOMPARE(int(prompts.questions.size()), asked);
        QCOMPARE(fifth.result(), int(QDialog::Accepted));
    }

    void okWithoutChangesKeepsEveryByteOfTheRecord() {
        ScriptedPrompts prompts;
        auto db = std::make_unique<ReceiverDatabase>();
        setSatellite(*db, 0, "East", 192);
        setTransponder(*db, 5, 0, 11778, 1);
        ChannelRecord& ch = db->channel(0);
        ch.flags = kFlagTv;
        ch.transponder = 5;
        std::memcpy(ch.name, "Nineteen characters", 19);  // fills the field, no NUL
        ch.word20 = 0x1234;
        ch.carried34 = 0xBEEF;
        const ChannelRecord before = ch;

        CEditChannelDialog dialog(*db, 0, prompts);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(std::memcmp(&before, &ch, sizeof ch), 0);
        QCOMPARE(fixedText(ch.name), std::string("Nineteen characters"));

        // A new name takes the first 18 bytes; the 19th stays as it was.
        CEditChannelDialog renamed(*db, 0, prompts);
        renamed.nameEdit()->setText(QStringLiteral("Short"));
        renamed.accept();
        QCOMPARE(fixedText(ch.name), std::string("Short"));
        QCOMPARE(ch.name[18], 's');
        QCOMPARE(ch.carried34, std::uint16_t(0xBEEF));
    }
};

QTEST_MAIN(EditDialogsTest)
#include "edit_dialogs_test.moc"
