#pragma once

#include "platform/AppDataFolder.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

// An empty application-data folder of its own for as long as it lives; the
// folder in use before comes back after.
class TemporaryAppDataFolder {
public:
    TemporaryAppDataFolder() : previous(AppDataFolder::path()) {
        AppDataFolder::setPath(dir.path());
    }
    ~TemporaryAppDataFolder() { AppDataFolder::setPath(previous); }
    TemporaryAppDataFolder(const TemporaryAppDataFolder&) = delete;
    TemporaryAppDataFolder& operator=(const TemporaryAppDataFolder&) = delete;

    QString path() const { return dir.path(); }
    QString file(const QString& name) const { return dir.filePath(name); }

private:
    QTemporaryDir dir;
    QString previous;
};

// No test of a binary that includes this reads or writes the user's own
// folder, whether or not it thinks of custom units.
class AppDataSandbox : public ::testing::Environment {
public:
    void SetUp() override { folder = std::make_unique<TemporaryAppDataFolder>(); }
    void TearDown() override { folder.reset(); }

private:
    std::unique_ptr<TemporaryAppDataFolder> folder;
};

inline ::testing::Environment* const appDataSandbox =
    ::testing::AddGlobalTestEnvironment(new AppDataSandbox);
