// The main window's "Edit" command: it opens the editor on the current
// channel-data file and takes the saved file back as the current one.

#include <memory>

#include <QFile>
#include <QPushButton>
#include <QTest>

#include "core/database/backup_blob.h"
#include "core/database/channel_data_file.h"
#include "core/database/demo_data.h"
#include "editor_test_support.h"
#include "gui/app/main_dialog.h"
#include "gui/editor/record_list_model.h"

using namespace dorvane;
using namespace dorvane::test;

class EditorCommandTest : public QObject {
    Q_OBJECT
private slots:
    void editOpensTheEditorAndReinspectsTheSavedFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("stbdata.irz"));
        {
            auto demo = std::make_unique<ReceiverDatabase>();
            fillDemoDatabase(*demo);
            auto buffer = std::make_unique<ChannelDataBuffer>();
            QCOMPARE(packBackup(*demo, *buffer, 53736), PackResult::Ok);
            QVERIFY(writeChannelDataFile(*buffer, path.toStdString()).ok());
        }
        // The window and the editor it opens ask through the same prompts.
        ScriptedPrompts prompts;
        CMainDialog::Options options;
        options.portName = dir.filePath(QStringLiteral("no-such-port"));
        options.portRetryMs = 60000;
        options.editor = kTestEditor;
        CMainDialog window(options, prompts);
        window.openFile(path);
        auto* edit = qobject_cast<QAbstractButton*>(window.control(CMainDialog::kEditor));
        QVERIFY(edit);
        QVERIFY(!edit->isHidden());
        const int logged = int(window.logLines().size());

        int channelsListed = 0;
        prompts.onDialog = [&](QDialog& d) {
            auto* editor = qobject_cast<CReceiverDataDialog*>(&d);
            if (!editor) return int(QDialog::Rejected);
            channelsListed = editor->channelList()->listModel()->rowCount();
            selectRows(editor->channelList(), {0});
            clickList(editor->channelList());
            QTest::mouseClick(editor->deleteButton(), Qt::LeftButton);
            QTest::mouseClick(editor->exitButton(), Qt::LeftButton);  // asks, OK saves
            return editor->result();
        };
        const QByteArray before = [&] {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        edit->click();
        QCOMPARE(prompts.dialogsRun, 1);
        QVERIFY(channelsListed > 0);
        QCOMPARE(prompts.questions.last(), QStringLiteral("Do you want to save changes?"));
        QFile after(path);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QVERIFY(after.readAll() != before);
        // The saved file is inspected again: its lines are logged anew and
        // it stays the current file with its "Edit" button.
        QVERIFY(window.logLines().size() > logged);
        QVERIFY(window.logLines().join('\n').contains(QStringLiteral("stbdata.irz")));
        QVERIFY(!edit->isHidden());
        // The file it replaced stays beside it as NAME.bak.
        QFile backup(path + QStringLiteral(".bak"));
        QVERIFY(backup.open(QIODevice::ReadOnly));
        QCOMPARE(backup.readAll(), before);
        QVERIFY(prompts.messages.filter(QStringLiteral("File open failed!")).isEmpty());

        // The file gone: the box, and no editor.
        QVERIFY(QFile::remove(path));
        edit->click();
        QCOMPARE(prompts.dialogsRun, 1);
        QCOMPARE(prompts.messages.last(), QStringLiteral("File open failed!"));
    }
};

QTEST_MAIN(EditorCommandTest)
#include "editor_command_test.moc"
