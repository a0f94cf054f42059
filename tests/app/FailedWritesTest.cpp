#include "FileSizeLimit.h"
#include "SessionFixture.h"

#include <QDir>

namespace {

QStringList* lines = nullptr;

class FailedWrites : public Session {
protected:
    FailedWrites() {
        lines = &logged;
        previousHandler = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString& line) { lines->append(line); });
    }
    ~FailedWrites() override { qInstallMessageHandler(previousHandler); }

    void expectToldOfBoth() {
        EXPECT_TRUE(logged.contains("custom units were not saved"));
        EXPECT_TRUE(logged.contains("preferences were not saved"));
    }

    QStringList logged;
    QtMessageHandler previousHandler = nullptr;
};

TEST_F(FailedWrites, AQuitThatCannotWriteKeepsThePreferencesAndUnitsSavedBefore) {
    start();
    addUnit("chains", "ch", 20.1168f);
    type(d().unitViews.numberOfUnits2, "2");
    quit();
    const QString unitFile = appData.file("customUnits.plist");
    const QByteArray savedUnits = contents(unitFile);
    const QByteArray savedDefaults = contents(settings().fileName());
    ASSERT_TRUE(savedDefaults.contains("WandrelNumberOfUnits=2"));

    start();
    addUnit("leagues", "lea", 4828.032f);
    type(d().unitViews.numberOfUnits2, "3");
    {
        const FileSizeLimit limit(16); // as a full disk cuts writes short
        controller().applicationWillTerminate();
        EXPECT_EQ(contents(unitFile), savedUnits);
        EXPECT_EQ(contents(settings().fileName()), savedDefaults);
    }
    expectToldOfBoth();
    window.reset();
    EXPECT_EQ(QDir(appData.path()).entryList(QDir::Files), QStringList{"customUnits.plist"})
        << "no half-written file left beside it";
    start();
    EXPECT_NE(units().getUnitWithShortName("ch"), nullptr);
}

// With nowhere to write, quitting still quits, and says what it could not do.
TEST_F(FailedWrites, AQuitWithNowhereToWriteSaysSo) {
    const QString plain = appData.file("plain"); // a file where folders are wanted
    writeBytes(plain, "a file, not a folder");
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, plain + "/Preferences");
    AppDataFolder::setPath(plain + "/Application Support");
    open();
    d().information.window()->accept(); // a first start welcomes
    addUnit("chains", "ch", 20.1168f);
    quit();
    expectToldOfBoth();
    EXPECT_EQ(contents(plain), "a file, not a folder");
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, store.path());
    AppDataFolder::setPath(appData.path());
}

} // namespace
