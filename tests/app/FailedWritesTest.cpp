#include "FileSizeLimit.h"
#include "SessionFixture.h"

#include "platform/PropertyList.h"
#include "units/UnitDataSource.h"

#include <QDir>
#include <QFile>

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

    static QByteArray contents(const QString& path) {
        QFile in(path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    // A regular file where a folder is wanted refuses every write beneath it.
    QString plainFile() {
        const QString path = appData.file("plain");
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("a file, not a folder");
        return path;
    }
    void addUnit(const char* name, const char* shortName, float factor) {
        auto unit = std::make_unique<WandrelUnit>(name, shortName, factor, false);
        unit->setEditable(true);
        window->getUnitDataSource().add(std::move(unit));
    }

    QStringList logged;
    QtMessageHandler previousHandler = nullptr;
};

TEST_F(FailedWrites, LineInfoAndStatsKeepTheirOldFilesWhenAWriteFails) {
    start();
    click({100, 300});
    doubleClick({300, 300});
    const QString folder = appData.file("Walk.route");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString stats = QDir(folder).filePath("stats.plist");
    const QString info = QDir(folder).filePath("lineInfo.plist");
    QFile garbage(stats);
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("\x01\x02 left by something else");
    garbage.close();
    view()->writeInfoToFile(folder);
    controller().saveRouteStats(folder);
    ASSERT_EQ(PropertyList::read(stats)->value("answer"), "2.000") << "the old file replaced";
    const QByteArray oldStats = contents(stats);
    const QByteArray oldInfo = contents(info);

    type(d().unitViews.numberOfUnits2, "3");
    inspector().setTerrainFactor(110);
    const QString plain = plainFile();
    view()->writeInfoToFile(plain + "/Walk.route");
    controller().saveRouteStats(plain + "/Walk.route");
    EXPECT_EQ(contents(plain), "a file, not a folder");
    EXPECT_EQ(logged.filter("property list: cannot write").size(), 2)
        << logged.join('\n').toStdString();
    {
        const FileSizeLimit limit(32);
        view()->writeInfoToFile(folder);
        controller().saveRouteStats(folder);
    }
    EXPECT_EQ(contents(stats), oldStats);
    EXPECT_EQ(contents(info), oldInfo);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), (QStringList{"lineInfo.plist", "stats.plist"}))
        << "no half-written file left beside them";

    view()->writeInfoToFile(folder);
    controller().saveRouteStats(folder);
    EXPECT_EQ(PropertyList::read(stats)->value("answer"), "6.000");
    EXPECT_EQ(PropertyList::read(info)->value("terrainFactor"), "110.000000");
    quit();
}

TEST_F(FailedWrites, AQuitThatCannotWriteKeepsThePreferencesAndUnitsSavedBefore) {
    start();
    addUnit("chains", "ch", 20.1168f);
    type(d().unitViews.numberOfUnits2, "2");
    quit();
    const QString units = appData.file("customUnits.plist");
    const QByteArray savedUnits = contents(units);
    const QByteArray savedDefaults = contents(storeFile());
    ASSERT_TRUE(savedDefaults.contains("WandrelNumberOfUnits=2"));

    start();
    addUnit("leagues", "lea", 4828.032f);
    type(d().unitViews.numberOfUnits2, "3");
    {
        const FileSizeLimit limit(16);
        controller().applicationWillTerminate();
        EXPECT_EQ(contents(units), savedUnits);
        EXPECT_EQ(contents(storeFile()), savedDefaults);
    }
    EXPECT_TRUE(logged.contains("custom units were not saved"));
    EXPECT_TRUE(logged.contains("preferences were not saved"));
    window.reset();
    EXPECT_EQ(QDir(appData.path()).entryList(QDir::Files), QStringList{"customUnits.plist"});
    start();
    EXPECT_NE(window->getUnitDataSource().getUnitWithShortName("ch"), nullptr);
    quit();
}

// With nowhere to write, quitting still quits, and says what it could not do.
TEST_F(FailedWrites, AQuitWithNowhereToWriteSaysSo) {
    const QString plain = plainFile();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, plain + "/Preferences");
    AppDataFolder::setPath(plain + "/Application Support");
    window = std::make_unique<AcetateWindow>();
    QCoreApplication::processEvents();
    d().informationWindow->accept(); // a first start welcomes
    addUnit("chains", "ch", 20.1168f);
    quit();
    EXPECT_TRUE(logged.contains("custom units were not saved"));
    EXPECT_TRUE(logged.contains("preferences were not saved"));
    EXPECT_EQ(contents(plain), "a file, not a folder");
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, store.path());
    AppDataFolder::setPath(appData.path());
}

} // namespace
