#include "teacher/tform10.h"

#include "data/tdatamodule2.h"
#include "platform/guarded.h"
#include "skin/controls/tsbutton.h"
#include "skin/controls/tspagecontrol.h"
#include "skin/controls/tsskinprovider.h"
#include "skin/controls/tstabsheet.h"
#include "teacher/dbgrid.h"
#include "teacher/materialeditormetrics.h"
#include "teacher/navigatormetrics.h"
#include "teacher/questionimport.h"
#include "teacher/resultsexport.h"
#include "teacher/tsdbedit.h"
#include "teacher/tsdbmemo.h"
#include "teacher/tsdbnavigator.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

TForm10* Form10 = nullptr;

namespace {

QFont pixelFont(int pixels)
{
    QFont font;
    font.setPixelSize(pixels);
    return font;
}

QVBoxLayout* pageLayout(QWidget* page)
{
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

} // namespace

TForm10::TForm10()
    : Form(QStringLiteral("Form10"), QStringLiteral("Редактирование материала"), metrics::materialEditor::frame)
{}

void TForm10::createControls()
{
    auto* layout = new QVBoxLayout(client());
    layout->setContentsMargins(0, 0, 0, 0);
    sPageControl1 = new TsPageControl(client());
    sPageControl1->setObjectName(QStringLiteral("sPageControl1"));
    layout->addWidget(sPageControl1);

    sTabSheet1 = addPage(QStringLiteral("sTabSheet1"), QStringLiteral("Лекции"));
    sTabSheet2 = addPage(QStringLiteral("sTabSheet2"), QStringLiteral("Мультимедиа"));
    sTabSheet3 = addPage(QStringLiteral("sTabSheet3"), QStringLiteral("Презентации"));
    sTabSheet4 = addPage(QStringLiteral("sTabSheet4"), QStringLiteral("Тесты"));
    sTabSheet5 = addPage(QStringLiteral("sTabSheet5"), QStringLiteral("Результаты тестирования"));
    sTabSheet6 = addPage(QStringLiteral("sTabSheet6"), QStringLiteral("Фото"));

    const QString number = QStringLiteral("№");
    const QString topic = QStringLiteral("Тема");
    const QString file = QStringLiteral("Файл");
    const int wide = metrics::materialEditor::textColumnWidth;

    DBGrid1 = addGridPage(sTabSheet1, QStringLiteral("DBGrid1"), sDBNavigator1, QStringLiteral("sDBNavigator1"));
    DBGrid1->setDataSource(DataModule2->DataSource3);
    DBGrid1->setColumns({{"id", number, 0, true}, {"tema", topic, wide}, {"file", file, wide}});
    sDBNavigator1->setDataSource(DataModule2->DataSource3);

    DBGrid2 = addGridPage(sTabSheet2, QStringLiteral("DBGrid2"), sDBNavigator2, QStringLiteral("sDBNavigator2"));
    DBGrid2->setDataSource(DataModule2->DataSource2);
    DBGrid2->setColumns({{"id", number, 0, true}, {"name", QStringLiteral("Название"), wide}, {"file", file, wide}});
    sDBNavigator2->setDataSource(DataModule2->DataSource2);

    DBGrid3 = addGridPage(sTabSheet3, QStringLiteral("DBGrid3"), sDBNavigator3, QStringLiteral("sDBNavigator3"));
    DBGrid3->setDataSource(DataModule2->DataSource7);
    DBGrid3->setColumns({{"id", number, 0, true}, {"tema", topic, wide}, {"file", file, wide}});
    sDBNavigator3->setDataSource(DataModule2->DataSource7);

    // The question bank has no grid: its text and correct letter are edited record by record.
    auto* questionBox = new QWidget(sTabSheet4);
    questionBox->setObjectName(QStringLiteral("questionBox"));
    sDBMemo1 = new TsDBMemo(questionBox);
    sDBMemo1->setObjectName(QStringLiteral("sDBMemo1"));
    sDBMemo1->setGeometry(metrics::materialEditor::questionText);
    sDBMemo1->setFont(pixelFont(metrics::materialEditor::textPixelSize));
    QPalette white = sDBMemo1->palette();
    white.setColor(QPalette::Base, Qt::white);
    sDBMemo1->setPalette(white);
    sDBMemo1->setAccessibleName(QStringLiteral("Текст вопроса"));
    sDBMemo1->setDataSource(DataModule2->DataSource1);
    sDBMemo1->setDataField(QStringLiteral("test"));
    sDBEdit1 = new TsDBEdit(questionBox);
    sDBEdit1->setObjectName(QStringLiteral("sDBEdit1"));
    sDBEdit1->setGeometry(metrics::materialEditor::correctAnswer);
    sDBEdit1->setFont(pixelFont(metrics::materialEditor::textPixelSize));
    sDBEdit1->setAccessibleName(QStringLiteral("Правильный ответ"));
    sDBEdit1->setDataSource(DataModule2->DataSource1);
    sDBEdit1->setDataField(QStringLiteral("otv"));
    pageLayout(sTabSheet4)->addWidget(questionBox, 1);
    sDBNavigator5 = addNavigator(sTabSheet4, QStringLiteral("sDBNavigator5"));
    sDBNavigator5->setDataSource(DataModule2->DataSource1);

    DBGrid4 = addGridPage(sTabSheet5, QStringLiteral("DBGrid4"), sDBNavigator4, QStringLiteral("sDBNavigator4"));
    DBGrid4->setDataSource(DataModule2->DataSource6);
    DBGrid4->setColumns({{"id", number, 0, true},
                         {"fio", QStringLiteral("ФИО"), 0},
                         {"data", QStringLiteral("Дата"), 0},
                         {"kol", QStringLiteral("Кол-во вопросов"), 0},
                         {"ocenka", QStringLiteral("Оценка"), 0}});
    sDBNavigator4->setDataSource(DataModule2->DataSource6);

    // The photo catalogue gets its own page here, so that photos can be edited like the rest.
    DBGrid5 = addGridPage(sTabSheet6, QStringLiteral("DBGrid5"), sDBNavigator6, QStringLiteral("sDBNavigator6"));
    DBGrid5->setDataSource(DataModule2->DataSource8);
    DBGrid5->setColumns({{"tema", topic, wide}, {"file", file, wide}});
    sDBNavigator6->setDataSource(DataModule2->DataSource8);

    addPageCommands();
    sPageControl1->setCurrentWidget(sTabSheet6);
    sSkinProvider1 = new TsSkinProvider(this);
}

TsTabSheet* TForm10::addPage(const QString& name, const QString& caption)
{
    auto* page = new TsTabSheet(sPageControl1);
    page->setObjectName(name);
    sPageControl1->addTab(page, caption);
    return page;
}

DBGrid* TForm10::addGridPage(TsTabSheet* page, const QString& gridName, TsDBNavigator*& navigator,
                             const QString& navigatorName)
{
    auto* grid = new DBGrid(page);
    grid->setObjectName(gridName);
    grid->setAccessibleName(sPageControl1->tabText(sPageControl1->indexOf(page)));
    pageLayout(page)->addWidget(grid, 1);
    navigator = addNavigator(page, navigatorName);
    return grid;
}

TsDBNavigator* TForm10::addNavigator(TsTabSheet* page, const QString& name)
{
    auto* navigator = new TsDBNavigator(page);
    navigator->setObjectName(name);
    navigator->setFixedHeight(metrics::navigator::height);
    // Tab reaches it, since on the question page it is the only way to another record without the
    // mouse; a click does not take the keyboard from the grid or the text being edited.
    navigator->setFocusPolicy(Qt::TabFocus);
    navigator->setAccessibleName(QStringLiteral("Навигатор: ") + sPageControl1->tabText(sPageControl1->indexOf(page)));
    static_cast<QVBoxLayout*>(page->layout())->addWidget(navigator);
    return navigator;
}

// The import and export commands stand in the free end of the tab row, each shown while its page
// is: the pages themselves keep their grid and navigator as they are.
void TForm10::addPageCommands()
{
    auto* commands = new QWidget(sPageControl1);
    commands->setObjectName(QStringLiteral("pageCommands"));
    auto* row = new QHBoxLayout(commands);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto makeButton = [commands, row](const QString& name, const QString& caption) {
        auto* button = new TsButton(commands);
        button->setObjectName(name);
        button->setText(caption);
        row->addWidget(button);
        return button;
    };
    sButtonImportQuestions = makeButton(QStringLiteral("sButtonImportQuestions"), QStringLiteral("Импорт вопросов…"));
    connectGuarded(sButtonImportQuestions, &QPushButton::clicked, this,
                   [this] { importQuestions(this, *DataModule2->ADOTable1); });
    sButtonExportResults = makeButton(QStringLiteral("sButtonExportResults"), QStringLiteral("Экспорт в CSV…"));
    connectGuarded(sButtonExportResults, &QPushButton::clicked, this,
                   [this] { exportResults(this, *DataModule2->ADOTable6, DBGrid4->columns()); });
    sPageControl1->setCornerWidget(commands, Qt::TopRightCorner);
    auto showCommandsOfPage = [this, commands] {
        QWidget* page = sPageControl1->currentWidget();
        sButtonImportQuestions->setVisible(page == sTabSheet4);
        sButtonExportResults->setVisible(page == sTabSheet5);
        commands->setVisible(page == sTabSheet4 || page == sTabSheet5);
    };
    connectGuarded(sPageControl1, &QTabWidget::currentChanged, this, showCommandsOfPage);
    showCommandsOfPage();
}
