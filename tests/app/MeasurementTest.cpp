#include "FileSizeLimit.h"
#include "SessionFixture.h"

#include "app/AcetateController.h"
#include "app/MeasurementDocument.h"
#include "app/MeasurementFile.h"
#include "app/SnapshotView.h"
#include "platform/PropertyList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

using Answer = Alerts::Answer;

class Measurement : public Session {
protected:
    void start() {
        Session::start();
        doc().setChoosers(
            [this](const QString& from) {
                openStartedIn = from;
                return toOpen;
            },
            [this](const QString& proposed) {
                proposedPath = proposed;
                return toSave;
            });
    }
    MeasurementDocument& doc() { return controller().getDocument(); }
    QString folder(const QString& name) { return QDir(appData.path()).filePath(name); }

    // A route with every kind of point; the first is a waypoint of itself.
    void traceRoute() {
        click({100, 300});
        click({300, 300}, Qt::AltModifier);
        click({300, 450});
        doubleClick({120, 450});
        view()->addMarkersAt(150, "m", 1);
        controller().displayAnswer();
    }

    // Everything the window shows of the measurement, exactly.
    QStringList shown() {
        const auto exact = [](double v) { return QString::number(v, 'g', 17); };
        QStringList s;
        for (int64_t i = 0; i < route().count(); ++i) {
            const MyPoint& p = *route().getnthItem(i);
            s << QStringLiteral("point %1 %2 kind %3")
                     .arg(exact(p.getX()), exact(p.getY()))
                     .arg(p.getPointType());
        }
        for (const QPointF end : {bar()->thisEndOnParent(), bar()->thatEndOnParent()})
            s << "end " + exact(end.x()) + " " + exact(end.y());
        const auto& u = d().unitViews;
        s << "scale " + u.numberOfUnits2->text() + " " + u.scaleUnits2->currentText()
          << "units " + u.answerUnits2->currentText() + " " + u.areaUnits->currentText()
          << "terrain " + exact(view()->getTerrainFactor())
          << "style " + controller().getHighLightColour().name(QColor::HexArgb) + " " +
                 controller().getLowLightColour().name(QColor::HexArgb) + " " +
                 exact(controller().getLineWidth())
          << "figures " + length() + " " + area()
          << "picture " + QString::number(picture().cacheKey() ? picture().width() : 0);
        return s;
    }
    QImage picture() { return d().acetate.snapshotView->image(); }
    // Every entry of a folder, hidden ones too, with its bytes.
    static QByteArray folderContents(const QString& path) {
        const QDir dir(path);
        QByteArray all;
        for (const QString& name :
             dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
            all += name.toUtf8() + ':' + contents(dir.filePath(name));
        return all;
    }

    QString toOpen;
    QString toSave;
    QString openStartedIn;
    QString proposedPath;
};

TEST_F(Measurement, SavedClearedAndOpenedItReadsAsItDidEvenInANewSession) {
    start();
    addUnit("chains", "ch", 20.1168f);
    bar()->placeEnds({40.1, 60.3}, {240.7, 75.9}); // fractional, as drags leave them
    type(d().unitViews.numberOfUnits2, "2.5");
    choose(d().unitViews.scaleUnits2, "ch");
    choose(d().unitViews.answerUnits2, "km");
    choose(d().unitViews.areaUnits, "ha");
    d().preferences.ui().terrainSlider->setValue(112);
    controller().highlighterPen();
    QImage map(64, 48, QImage::Format_ARGB32);
    map.fill(Qt::darkGreen);
    ASSERT_TRUE(map.save(folder("map.png")));
    controller().setImageForSnapshotView(nullptr, "map.png", appData.path());
    traceRoute();
    const QString routeFolder = controller().getRouteFolder();
    const QStringList saved = shown();
    ASSERT_EQ(route().count(), 7) << "four points and three markers";
    EXPECT_NE(length(), "0.000");
    EXPECT_TRUE(doc().isEdited());
    EXPECT_EQ(window->windowTitle(), "Untitled[*] — Wandrel");

    toSave = folder("Ridge walk");
    d().acetate.saveAsMenuItem->trigger();
    EXPECT_FALSE(doc().isEdited());
    EXPECT_EQ(window->windowTitle(), "Ridge walk[*] — Wandrel");
    EXPECT_EQ(proposedPath, QDir(routeFolder).filePath("Untitled"));
    EXPECT_EQ(controller().getRouteFolder(), appData.path()) << "the next dialog starts here";
    const auto stats = PropertyList::read(folder("Ridge walk/stats.plist"));
    ASSERT_TRUE(stats);
    EXPECT_EQ(stats->value("answer").toString(), length());
    EXPECT_EQ(stats->value("answerunits").toString(), "km");
    for (const char* file : {"route.xml", "lineInfo.plist", "route.plist", "snapshot.png"})
        EXPECT_TRUE(QFileInfo(folder("Ridge walk/") + file).isFile()) << file;

    d().acetate.newMenuItem->trigger();
    EXPECT_TRUE(Alerts::answered().isEmpty()) << "nothing unsaved, nothing asked";
    EXPECT_EQ(route().count(), 0);
    EXPECT_TRUE(picture().isNull());
    type(d().unitViews.numberOfUnits2, "9");
    choose(d().unitViews.scaleUnits2, "km");
    bar()->placeEnds({10, 10}, {20, 10});
    controller().factoryDefaults();

    toOpen = folder("Ridge walk");
    Alerts::scriptAnswers({}); // an untitled, empty window is let go unasked
    d().acetate.openMenuItem->trigger();
    EXPECT_TRUE(Alerts::answered().isEmpty());
    EXPECT_EQ(shown(), saved);
    EXPECT_EQ(picture().pixelColor(5, 5), QColor(Qt::darkGreen));
    EXPECT_FALSE(doc().isEdited());

    restart(); // the unit "ch" comes back from the user's units
    doc().openFolder(folder("Ridge walk"));
    EXPECT_EQ(shown(), saved);
    EXPECT_TRUE(Alerts::answered().isEmpty());

    controller().clearImageView(nullptr);
    ASSERT_TRUE(doc().saveTo(folder("Ridge walk")));
    EXPECT_FALSE(QFileInfo::exists(folder("Ridge walk/snapshot.png")))
        << "no old picture to return";
    quit();
}

TEST_F(Measurement, UnsavedChangesAreSavedLetGoOrKeptAsTheUserAnswers) {
    start();
    traceRoute();
    toSave = folder("Loop");
    d().acetate.saveMenuItem->trigger(); // untitled: saving asks where
    ASSERT_EQ(doc().getFolder(), folder("Loop"));
    type(d().unitViews.numberOfUnits2, "3"); // the scale is part of it
    ASSERT_TRUE(doc().isEdited());
    const int64_t points = route().count();

    Alerts::scriptAnswers({Answer::Alternate, Answer::Alternate}); // Cancel
    d().acetate.newMenuItem->trigger();
    ASSERT_EQ(Alerts::answered().size(), 1);
    EXPECT_EQ(Alerts::answered()[0].title, "Save changes to “Loop”?");
    EXPECT_EQ(route().count(), points);
    EXPECT_TRUE(doc().isEdited());
    EXPECT_FALSE(window->close()) << "closing, and so quitting, is cancelled too";
    EXPECT_EQ(Alerts::answered().size(), 2);

    Alerts::scriptAnswers({Answer::Default}); // Save
    d().acetate.newMenuItem->trigger();
    EXPECT_EQ(route().count(), 0);
    EXPECT_EQ(PropertyList::read(folder("Loop/measurement.plist"))->value("numberOfUnits"), "3");

    click({50, 50});
    toSave.clear(); // Save, but the user cancels the folder dialog
    Alerts::scriptAnswers({Answer::Default});
    d().acetate.actionCloseAcetate->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(route().count(), 1);

    Alerts::scriptAnswers({Answer::Other}); // Don't Save
    toOpen = folder("Loop");
    d().acetate.openMenuItem->trigger();
    EXPECT_EQ(route().count(), points);
    EXPECT_EQ(d().unitViews.numberOfUnits2->text(), "3");
    EXPECT_EQ(openStartedIn, appData.path());

    dragBarEnd(false, bar()->thisEndOnParent() + QPointF(10, 0));
    EXPECT_TRUE(doc().isEdited()) << "a moved scale-bar end is an edit";
    int quits = 0;
    controller().getAcetate().setQuit([&quits] { ++quits; });
    Alerts::scriptAnswers({Answer::Other});
    d().acetate.actionCloseAcetate->trigger();
    EXPECT_EQ(route().count(), 0);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(doc().isEdited());
#ifndef Q_OS_MACOS
    EXPECT_EQ(quits, 1);
#endif
    controller().makeWindowTransparent(); // tinting brings the acetate back
    EXPECT_TRUE(window->isVisible());
    quit();
}

TEST_F(Measurement, AFolderThatCannotBeWrittenLeavesTheRouteInTheWindowAndTheOldFilesWhole) {
    start();
    traceRoute();
    writeBytes(folder("plain"), "");
    Alerts::scriptAnswers({});
    EXPECT_FALSE(doc().saveTo(folder("plain/Walk")));
    EXPECT_FALSE(doc().saveTo(folder("plain")));
    ASSERT_EQ(Alerts::answered().size(), 2);
    EXPECT_EQ(Alerts::answered()[0].message,
              "Wandrel could not make the folder “" + folder("plain/Walk") + "”.");
    EXPECT_TRUE(Alerts::answered()[1].message.startsWith("“" + folder("plain") + "” is a file"));
    EXPECT_TRUE(doc().isEdited());
    EXPECT_TRUE(doc().getFolder().isEmpty());
    EXPECT_EQ(route().count(), 7);

    ASSERT_TRUE(doc().saveTo(folder("Walk")));
    const QByteArray saved = folderContents(folder("Walk"));
    type(d().unitViews.numberOfUnits2, "4");
    {
        const FileSizeLimit full(64); // as a full disk cuts writes short
        EXPECT_FALSE(doc().saveTo(folder("Walk")));
    }
    EXPECT_EQ(Alerts::answered().size(), 3);
    EXPECT_TRUE(doc().isEdited());
    EXPECT_EQ(folderContents(folder("Walk")), saved) << "no file replaced, none left half-written";
    EXPECT_EQ(route().count(), 7);
    EXPECT_EQ(d().unitViews.numberOfUnits2->text(), "4");
    quit();
}

TEST_F(Measurement, AHostileFolderOpensWhatItCanOrSaysWhyItCannot) {
    start();
    traceRoute();
    ASSERT_TRUE(doc().saveTo(folder("Good")));
    const QStringList before = shown();
    const QPointF thisEnd = bar()->thisEndOnParent();
    ASSERT_TRUE(QDir().mkpath(folder("Empty")));
    Alerts::scriptAnswers({});
    EXPECT_FALSE(doc().openFolder(folder("Empty")));
    EXPECT_FALSE(doc().openFolder(folder("Missing")));
    ASSERT_EQ(Alerts::answered().size(), 2);
    EXPECT_EQ(Alerts::answered()[0].title, "“" + folder("Empty") + "” could not be opened.");
    EXPECT_EQ(shown(), before);
    EXPECT_EQ(doc().getFolder(), folder("Good"));

    // Pipes that would never end, settings of every wrong kind, no picture.
    const QString bad = folder("Bad");
    ASSERT_TRUE(QDir().mkpath(bad));
    for (const char* pipe : {"route.plist", "lineInfo.plist"})
        ASSERT_EQ(mkfifo(QFile::encodeName(bad + "/" + pipe).constData(), 0600), 0);
    writeBytes(bad + "/measurement.plist",
               "<plist><dict><key>scaleThisEndX</key><string>nan</string>"
               "<key>scaleThisEndY</key><real>1</real><key>scaleThatEndX</key><real>5</real>"
               "<key>scaleThatEndY</key><real>1</real><key>numberOfUnits</key><array/>"
               "<key>scaleUnits</key><string>furlongs</string><key>areaUnits</key>"
               "<string></string><key>terrainFactor</key><real>1e300</real></dict></plist>");
    writeBytes(bad + "/snapshot.png", "");
    inspector().showWindow(); // its sliders take whatever the files hold
    Alerts::reset();
    Alerts::scriptAnswers({});
    ASSERT_TRUE(doc().openFolder(bad));
    EXPECT_EQ(route().count(), 0);
    EXPECT_EQ(view()->getTerrainFactor(), 100);
    EXPECT_EQ(d().unitViews.scaleUnits2->currentText(), "mile(s)");
    EXPECT_EQ(bar()->thisEndOnParent(), thisEnd);
    ASSERT_EQ(Alerts::answered().size(), 1);
    EXPECT_TRUE(Alerts::answered()[0].message.contains("“furlongs”"));
    EXPECT_FALSE(doc().isEdited());

    // Line information of the wrong kinds, beyond the slider, cut short or
    // garbled: the route comes and no figure is stretched, shrunk or poisoned.
    const QByteArray info = contents(folder("Good/lineInfo.plist"));
    const std::pair<QByteArray, int> infos[] = {
        {"<plist><dict><key>terrainFactor</key><string>1e38</string></dict></plist>", 125},
        {"<plist><dict><key>terrainFactor</key><string>nan</string><key>lineWidth</key>"
         "<string>-inf</string><key>LowLightColourR</key><string>nan</string>"
         "<key>HighLightColourG</key><dict/><key>HighLightColourA</key><integer>-4</integer>"
         "</dict></plist>",
         100},
        {info.left(info.size() / 2), 100},
        {QByteArray(64, '\xee'), 100},
    };
    ASSERT_TRUE(QDir().mkpath(folder("Odd")));
    ASSERT_TRUE(QFile::copy(folder("Good/route.plist"), folder("Odd/route.plist")));
    for (const auto& [bytes, terrain] : infos) {
        writeBytes(folder("Odd/lineInfo.plist"), bytes);
        ASSERT_TRUE(doc().openFolder(folder("Odd")));
        EXPECT_EQ(route().count(), 7);
        EXPECT_EQ(inspector().getTerrainFactor(), terrain) << "as far as the slider goes";
        EXPECT_EQ("figures " + length() + " " + area(), before.filter("figures").first());
    }
    quit();
}

} // namespace
