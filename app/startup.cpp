#include "app/startup.h"

#include "app/installedcourse.h"
#include "app/tform1.h"
#include "app/tform13.h"
#include "app/tform14.h"
#include "app/tform3.h"
#include "app/topictree.h"
#include "data/answerjournal.h"
#include "data/tdatamodule2.h"
#include "platform/afterfirstpaint.h"
#include "platform/applicationtitle.h"
#include "platform/apperror.h"
#include "platform/fontlistreader.h"
#include "platform/messagebox.h"
#include "platform/toolkittranslations.h"
#include "skin/controls/tsskinablemenus.h"
#include "skin/controls/tsskinprovider.h"
#include "skin/core/skinmenuhook.h"
#include "teacher/tform10.h"
#include "teacher/tform9.h"
#include "testing/grading.h"
#include "testing/tform4.h"
#include "testing/tform5.h"
#include "testing/tform6.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <memory>
#include <system_error>

namespace {
// Hand-ins that an earlier run queued while the server was away and that this start delivered
// before anything else: the student learns of them at once.
void tellDeliveredAtStart()
{
    QStringList lines;
    for (const DeliveredHandIn& handIn : DataModule2->deliveredAtStart()) {
        if (handIn.refusal.isEmpty())
            lines.append(QStringLiteral("%1 — оценка %2")
                             .arg(handIn.name, gradeFor(handIn.correct, TForm4::questionsPerTest).letterText));
        else
            lines.append(QStringLiteral("%1 — сервер не принял тест: %2").arg(handIn.name, handIn.refusal));
    }
    if (lines.isEmpty())
        return;
    showMessageBox(
        {applicationTitle(),
         QStringLiteral("Тесты, сданные без связи с сервером, доставлены и проверены:\n") + lines.join(u'\n'),
         MessageIcon::Information});
}

// A server that cannot be reached keeps the hand-ins waiting on this computer for the next start.
QString queuedHandInsNote(const QString& server)
{
    if (server.isEmpty() || !QFileInfo::exists(AnswerJournal::defaultFileName())
        || AnswerJournal().queuedHandIns(server).isEmpty())
        return {};
    return QStringLiteral("\n\nСданные без связи тесты сохранены на этом компьютере и будут отправлены при "
                          "следующем запуске.");
}

std::unique_ptr<FontListReader> fontListReader;

template <typename T>
void destroy(T*& instance)
{
    delete instance;
    instance = nullptr;
}
} // namespace

void startReadingFonts()
{
    if (fontListReader)
        return;
    try {
        fontListReader = std::make_unique<FontListReader>();
    } catch (const std::system_error&) {
        // No thread to be had: the first text measured reads the list itself.
    }
}

bool createWindows()
{
    setSkinMenuHookFactory([](TsSkinManager* manager) { return std::make_unique<TsSkinableMenus>(manager); });
    // A window's menu bar is drawn over the band its frame painted for it.
    TsSkinableMenus::setMenuBarBackground([](const QWidget* form) {
        const TsSkinProvider* provider = TsSkinProvider::of(form);
        return provider ? provider->menuBarBackground() : QImage();
    });
    // The start window's caption is the first text measured; the font list it needs is read
    // meanwhile.
    startReadingFonts();
    if (fontListReader)
        fontListReader->applicationMade();
    // The program's own icon for every title bar and the desktop's task list, instead of the
    // toolkit's.
    QApplication::setWindowIcon(quillIcon());
    Form1 = new TForm1;
    try {
        DataModule2 = new TDataModule2;
    } catch (const AppError& error) {
        destroyProgram();
        // The engine's message alone ("unable to open database file") does not say where the
        // program looked: the database is found through the working directory.
        const QString server = TDataModule2::classroomServer();
        const QString tried = !server.isEmpty()
                                  ? QStringLiteral("Сервер курса (%1)").arg(TDataModule2::shownConnection(server))
                                  : QDir::toNativeSeparators(QDir::current().absoluteFilePath(
                                      QString::fromLatin1(TDataModule2::databaseFileName)));
        showMessageBox({QStringLiteral("Application Error"),
                        withFullStop(tried + QStringLiteral(": ") + error.message()) + queuedHandInsNote(server),
                        MessageIcon::Error, MessageButtons::Ok});
        return false;
    }
    Form3 = new TForm3;
    Form4 = new TForm4;
    Form5 = new TForm5;
    Form6 = new TForm6;
    Form9 = new TForm9;
    Form10 = new TForm10;
    Form13 = new TForm13;
    Form14 = new TForm14;
    tellDeliveredAtStart();
    return true;
}

bool createProgram()
{
    if (!createWindows())
        return false;
    Form::ensureAllControls();
    return true;
}

void showStartWindow(const std::function<void()>& painted)
{
    new AfterFirstPaint(Form1, [painted] {
        if (painted)
            painted();
        // The start window is on the screen: the caption it drew needed the font list, so the
        // thread is done by now (without a skin there is no caption, and this waits for the
        // rest of the list, which the other windows' controls need next anyway).
        fontListReader.reset();
        Form::ensureAllControls();
    });
    Form1->show();
}

void destroyProgram()
{
    fontListReader.reset();
    destroy(Form14);
    destroy(Form13);
    destroy(Form10);
    destroy(Form9);
    destroy(Form6);
    destroy(Form5);
    destroy(Form4);
    destroy(Form3);
    destroy(DataModule2);
    destroy(Form1);
}

int runProgram()
{
    QApplication::setQuitOnLastWindowClosed(false);
    installToolkitTranslations();
    if (!placeInstalledCourse(QCoreApplication::applicationDirPath(),
                              QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        || !createWindows())
        return 1;
    showStartWindow();
    const int status = QApplication::exec();
    destroyProgram();
    return status;
}
