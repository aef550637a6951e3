#include "platform/toolkittranslations.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

QString saveButtonText()
{
    const QDialogButtonBox box(QDialogButtonBox::Save);
    return box.button(QDialogButtonBox::Save)->text().remove(u'&');
}

TEST(ToolkitTranslations, DialogsSpeakRussianOnceTheFileIsThereAndStayEnglishWithoutIt)
{
    const QTemporaryDir empty;
    EXPECT_FALSE(installToolkitTranslations(empty.path()));
    EXPECT_EQ(saveButtonText(), QStringLiteral("Save"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Look in:"));

    EXPECT_TRUE(installToolkitTranslations());
    EXPECT_EQ(saveButtonText(), QStringLiteral("Сохранить"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Перейти к:"));

    EXPECT_TRUE(installToolkitTranslations());
    EXPECT_EQ(QCoreApplication::instance()->findChildren<QTranslator*>().size(), 1);
}

} // namespace
