#pragma once

// A control that owns skin data and answers skin messages the way every skinned control does,
// recording what reached it; and a fixture that gives each test an empty program folder and no
// skin, and takes both away again.

#include "skin/core/skinmessage.h"
#include "skin/core/skininforce.h"
#include "skin/core/tscommondata.h"
#include "skin/core/tsskinmanager.h"

#include "platform/programfolder.h"
#include "tests/support/printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

class SkinProbe : public QWidget {
public:
    explicit SkinProbe(QWidget* parent, ControlKind kind = ControlKind::Button, bool withCache = true)
        : QWidget(parent),
          skin(this, withCache)
    {
        skin.setControlKind(kind);
        skin.updateSection();
    }
    ~SkinProbe() override { skin.setOwnerDestroying(); }

    TsCommonData skin;
    QList<unsigned> received;

protected:
    bool event(QEvent* event) override
    {
        if (const unsigned message = skinMessageOf(event))
            received.append(message);
        if (skin.handleMessage(event))
            return true;
        return QWidget::event(event);
    }
};

class SkinFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        setProgramFolderOverride(folder.path());
        putSkinInForce(nullptr);
        skinData().ready = false;
    }

    void TearDown() override
    {
        managers.clear();
        putSkinInForce(nullptr);
        skinData().ready = false;
        setProgramFolderOverride(QString());
    }

    TsSkinManager* newManager()
    {
        managers.push_back(std::make_unique<TsSkinManager>(nullptr));
        return managers.back().get();
    }

    // Writes a file below the program folder, making the folders on the way.
    void writeFile(const QString& relativePath, const QByteArray& contents) const
    {
        const QString path = folder.filePath(relativePath);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    QString path(const QString& relativePath) const { return folder.filePath(relativePath); }

    QTemporaryDir folder;
    std::vector<std::unique_ptr<TsSkinManager>> managers;
};
