#include "app/coursesearchwindow.h"
#include "app/searchbar.h"
#include "app/tform3.h"
#include "platform/htmlview.h"
#include "platform/applicationtitle.h"
#include "platform/messagebox.h"
#include "skin/controls/tsedit.h"
#include "teacher/aikenquestions.h"
#include "teacher/questionimport.h"
#include "teacher/tform10.h"
#include "tools/tour/tour.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QTest>

void tourlegs::searchBar()
{
    Form3->N14->trigger();
    Tour::settle(400);
    QTest::keyClick(Form3, Qt::Key_F, Qt::ControlModifier);
    Form3->searchBar()->edit->setText(QStringLiteral("окно"));
    Tour::settle(200);
    Tour::shoot(Form3, QStringLiteral("main-window-search-bar"));
    QTest::keyClick(Form3->searchBar()->edit, Qt::Key_Escape);
}

void tourlegs::courseSearch()
{
    CourseSearchWindow* window = Form3->courseSearch();
    window->show();
    window->queryEdit->setText(QStringLiteral("телеграф"));
    window->search();
    Tour::shoot(window, QStringLiteral("course-search-results"));
    window->close();
}

// The teacher's file choosers and the import report, shown as the teacher meets them; the tour
// closes each instead of choosing a file.
void tourlegs::transferDialogs()
{
    Form10->show();
    QFileDialog chooser(Form10, QStringLiteral("Экспорт в CSV"), QString(),
                        QStringLiteral("Файлы CSV (*.csv);;Все файлы (*)"));
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.selectFile(QStringLiteral("Результаты тестирования.csv"));
    chooser.show();
    Tour::shoot(&chooser, QStringLiteral("editor-export-dialog"));
    chooser.close();
    const AikenFile file = readAikenQuestions(QStringLiteral("Кто изобрёл телеграф?\nA) Морзе\nB) Попов\nANSWER: A\n\n"
                                                             "Без ответа\nA) да\nB) нет\n"));
    auto box =
        makeMessageBox({applicationTitle(), refusalReport(QStringLiteral("вопросы.txt"), file), MessageIcon::Warning});
    box->show();
    Tour::shoot(box.get(), QStringLiteral("editor-import-refused"));
    box->close();
    Form10->close();
}
