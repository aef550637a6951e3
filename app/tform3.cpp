#include "app/tform3.h"

#include "app/coursesearchwindow.h"
#include "app/mainwindowmetrics.h"
#include "app/readingcomfort.h"
#include "app/searchbar.h"
#include "app/searchwords.h"
#include "app/topictree.h"
#include "app/tform1.h"
#include "app/tform13.h"
#include "app/tform14.h"
#include "data/table.h"
#include "data/tdatamodule2.h"
#include "platform/guarded.h"
#include "platform/htmlview.h"
#include "platform/usersettings.h"
#include "platform/programfolder.h"
#include "platform/screenfit.h"
#include "platform/shellopen.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tslabel.h"
#include "skin/controls/tspanel.h"
#include "skin/controls/tsskinprovider.h"
#include "skin/controls/tstreeview.h"
#include "teacher/tform9.h"
#include "testing/tform4.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QShortcut>
#include <QTreeWidgetItem>
#include <QVBoxLayout>

TForm3* Form3 = nullptr;

namespace {
const QString lectureMode = QStringLiteral("лекции");
const QString presentationMode = QStringLiteral("презентации");
} // namespace

TForm3::TForm3()
    : Form(QStringLiteral("Form3"), QStringLiteral("Вестория"), metrics::mainWindow::frame),
      ImageList1{quillIcon()}
{}

void TForm3::createControls()
{
    MainMenu1 = new QMenuBar(this);
    Panel1 = new TsPanel(client());
    TreeView1 = new TsTreeView(Panel1);
    Panel2 = new TsPanel(client());
    WebBrowser1 = new HtmlView(Panel2);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    layout()->setMenuBar(MainMenu1);
    N1 = addMenuItem(MainMenu1, QStringLiteral("N1"), QStringLiteral("Лекции"), &TForm3::N1Click);
    N15 = addMenuItem(MainMenu1, QStringLiteral("N15"), QStringLiteral("Презентации"), &TForm3::N15Click);
    N16 = addMenuItem(MainMenu1, QStringLiteral("N16"), QStringLiteral("Мультимедиа"), &TForm3::N16Click);
    N4 = addMenuItem(MainMenu1, QStringLiteral("N4"), QStringLiteral("Фото"), &TForm3::N4Click);
    N2 = addMenuItem(MainMenu1, QStringLiteral("N2"), QStringLiteral("Тестирование"), &TForm3::N2Click);
    N5 = addMenuItem(MainMenu1, QStringLiteral("N5"), QStringLiteral("Преподаватель"), &TForm3::N5Click);
    N6 = MainMenu1->addMenu(QStringLiteral("УМКД"));
    N6->setObjectName(QStringLiteral("N6"));
    N6->menuAction()->setObjectName(QStringLiteral("N6"));
    N7 = addDocumentItem(QStringLiteral("N7"), QStringLiteral("Календарно-тематический план"),
                         QStringLiteral("Календарно-тематический план.htm"));
    N8 = addDocumentItem(QStringLiteral("N8"), QStringLiteral("Вестория"), QStringLiteral("Вестория.htm"));
    N9 = addDocumentItem(QStringLiteral("N9"), QStringLiteral("Планы практических занятий"),
                         QStringLiteral("Планы практических занятий.htm"));
    N10 = addDocumentItem(QStringLiteral("N10"), QStringLiteral("Самостоятельная работа студентов"),
                          QStringLiteral("Самостоятельная работа студентов.htm"));
    N11 = addDocumentItem(QStringLiteral("N11"), QStringLiteral("Темы докладов и рефератов"),
                          QStringLiteral("Темы докладов и рефератов.htm"));
    N12 = addDocumentItem(QStringLiteral("N12"), QStringLiteral("Экзаменационные вопросы"),
                          QStringLiteral("Экзаменационные вопросы.htm"));
    N13 = addDocumentItem(QStringLiteral("N13"), QStringLiteral("Список рекомендуемой литературы"),
                          QStringLiteral("Список рекомендуемой литературы.htm"));
    N111 =
        addDocumentItem(QStringLiteral("N111"), QStringLiteral("Задания на СРС"), QStringLiteral("Задания на СРС.htm"));
    N121 = addDocumentItem(QStringLiteral("N121"), QStringLiteral("График выполнения и сдачи заданий по дисциплине"),
                           QStringLiteral("График выполнения и сдачи заданий по дисциплине.htm"));
    N131 = addDocumentItem(QStringLiteral("N131"), QStringLiteral("Вопросы рубежных контролей"),
                           QStringLiteral("Вопросы рубежных контролей.htm"));
    N14 = addMenuItem(MainMenu1, QStringLiteral("N14"), QStringLiteral("Руководство пользователя"), &TForm3::N14Click);
    N3 = addMenuItem(MainMenu1, QStringLiteral("N3"), QStringLiteral("Выход"), &TForm3::N3Click);

    // F10 takes the keyboard to the menu, as on the desktops the program comes from.
    connectGuarded(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this, &TForm3::openMainMenu);

    Panel1->setObjectName(QStringLiteral("Panel1"));
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    Panel2->setObjectName(QStringLiteral("Panel2"));
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    Panel1->setFixedWidth(metrics::mainWindow::treePanelWidth);
    setUpTopicTree(TreeView1);
    TreeView1->hide();
    TreeView1->setAccessibleName(QStringLiteral("Темы"));
    TreeView1->installEventFilter(this);
    TreeView1->viewport()->installEventFilter(this);

    auto* treeLayout = new QVBoxLayout(Panel1);
    treeLayout->setContentsMargins(0, 0, 0, 0);
    treeLayout->addWidget(TreeView1);
    auto* viewLayout = new QVBoxLayout(Panel2);
    viewLayout->setContentsMargins(0, 0, 0, 0);
    viewLayout->setSpacing(0);
    viewLayout->addWidget(WebBrowser1);

    auto* layout = new QHBoxLayout(client());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(Panel2, 1);
    sSkinProvider1 = new TsSkinProvider(this);
    readingComfort = new ReadingComfort(this, WebBrowser1, TreeView1);

    connectGuarded(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        if (Panel2->isVisible())
            searchBar()->open(WebBrowser1->textCursor().selectedText());
    });
    // F3 after the bar was closed brings it back with its words and their marks: a hit found
    // with the bar away would be shown with nothing to say what was looked for.
    const auto findAgain = [this](void (SearchBar::*step)()) {
        if (!Panel2->isVisible())
            return;
        SearchBar* bar = searchBar();
        if (!bar->isVisible())
            bar->open();
        (bar->*step)();
    };
    connectGuarded(new QShortcut(QKeySequence::FindNext, this), &QShortcut::activated, this,
                   [findAgain] { findAgain(&SearchBar::findNext); });
    connectGuarded(new QShortcut(QKeySequence::FindPrevious, this), &QShortcut::activated, this,
                   [findAgain] { findAgain(&SearchBar::findPrevious); });
    connectGuarded(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F), this), &QShortcut::activated, this,
                   [this] {
                       CourseSearchWindow* window = courseSearch();
                       window->show();
                       window->activateWindow();
                       window->queryEdit->setFocus();
                   });
    connectGuarded(WebBrowser1, &HtmlView::loadFinished, this, [this] {
        if (pendingHitQuery_.isEmpty())
            return;
        const QString query = std::exchange(pendingHitQuery_, QString());
        const QTextCursor hit = WebBrowser1->document()->find(searchwords::stemPattern(query));
        if (!hit.isNull()) {
            WebBrowser1->setTextCursor(hit);
            searchBar()->open(hit.selectedText());
        }
    });
}

SearchBar* TForm3::searchBar()
{
    if (!searchBar_) {
        searchBar_ = new SearchBar(WebBrowser1, Panel2);
        static_cast<QVBoxLayout*>(Panel2->layout())->insertWidget(0, searchBar_);
    }
    return searchBar_;
}

CourseSearchWindow* TForm3::courseSearch()
{
    if (!courseSearch_) {
        courseSearch_ = new CourseSearchWindow([this] { return courseDocuments(); },
                                               userSettingsFolder() + QStringLiteral("/course-search.sqlite"));
        // It goes with the main window, and keeps the flags its frame provider set: a window made
        // afresh would wear the desktop's title bar above the skin's.
        courseSearch_->setParent(this, courseSearch_->windowFlags());
        connectGuarded(courseSearch_, &CourseSearchWindow::documentChosen, this, &TForm3::openSearchHit);
    }
    return courseSearch_;
}

QList<CourseDocument> TForm3::courseDocuments() const
{
    QList<CourseDocument> documents;
    const QString teoria = nativePath(programFolder() + QStringLiteral("Teoria\\"));
    const Table* lectures = DataModule2->ADOTable3;
    const int topicField = lectures->fieldIndex(QStringLiteral("tema"));
    const int fileField = lectures->fieldIndex(QStringLiteral("file"));
    if (lectures->isOpen() && topicField >= 0 && fileField >= 0)
        for (int record = 0; record < lectures->recordCount(); ++record) {
            const QString file = lectures->valueAt(record, fileField).asText();
            if (!file.isEmpty())
                documents.append({teoria + nativePath(file), lectures->valueAt(record, topicField).asText()});
        }
    for (QAction* action : N6->actions())
        documents.append({teoria + nativePath(action->data().toString()), action->text()});
    return documents;
}

void TForm3::openSearchHit(const QString& path, const QString& topic, const QString& query)
{
    // The lecture found is marked in the topic list and remembered as a click on it would; a course
    // document, or a list of other topics, has no entry to mark.
    const QList<QTreeWidgetItem*> entries =
        mode_ == lectureMode ? TreeView1->findItems(topic, Qt::MatchExactly) : QList<QTreeWidgetItem*>();
    if (!entries.isEmpty()) {
        TreeView1->setCurrentItem(entries.first());
        readingComfort->topicOpened(mode_, topic);
    }
    Panel2->show();
    show();
    raise();
    activateWindow();
    pendingHitQuery_ = query;
    WebBrowser1->navigate(path);
}

void TForm3::openMainMenu()
{
    MainMenu1->setFocus(Qt::MenuBarFocusReason);
    MainMenu1->setActiveAction(MainMenu1->actions().value(0));
}

QAction* TForm3::addMenuItem(QWidget* menu, const QString& name, const QString& caption, void (TForm3::*handler)())
{
    auto* action = new QAction(caption, menu);
    action->setObjectName(name);
    menu->addAction(action);
    connectGuarded(action, &QAction::triggered, this, handler);
    return action;
}

QAction* TForm3::addDocumentItem(const QString& name, const QString& caption, const QString& fileName)
{
    QAction* action = N6->addAction(caption);
    action->setObjectName(name);
    action->setData(fileName);
    connectGuarded(action, &QAction::triggered, this, [this, fileName] { showDocument(fileName); });
    return action;
}

void TForm3::addTopic(const QString& text)
{
    addTopicEntry(TreeView1, text, ImageList1.first());
}

void TForm3::chooseMode(const QString& mode, Table* table)
{
    mode_ = mode;
    TreeView1->show();
    WebBrowser1->setBrowserVisible(true);
    Panel1->show();
    Panel2->show();
    TreeView1->clear();
    show();
    raise();
    table->first();
    const int count = table->recordCount();
    for (int index = 0; index < count; ++index) {
        addTopic(table->fieldAsText(QStringLiteral("tema")));
        table->next();
    }
    readingComfort->markLastTopic(mode);
    Form1->hide();
}

void TForm3::N1Click()
{
    chooseMode(lectureMode, DataModule2->ADOTable3);
}

void TForm3::N15Click()
{
    chooseMode(presentationMode, DataModule2->ADOTable7);
}

void TForm3::N16Click()
{
    Form13->showWithFreshList();
}

void TForm3::N4Click()
{
    Form14->showWithFreshTree();
}

void TForm3::N2Click()
{
    TreeView1->hide();
    WebBrowser1->setBrowserVisible(false);
    Form4->show();
    Form4->Edit1->clear();
    Panel1->hide();
    Panel2->hide();
}

void TForm3::N5Click()
{
    Panel1->hide();
    Panel2->hide();
    Form9->show();
    Form9->Label1->hide();
    Form9->Edit1->clear();
    Form9->Edit2->clear();
}

void TForm3::showDocument(const QString& fileName)
{
    Panel2->show();
    WebBrowser1->navigate(programFolder() + QStringLiteral("Teoria\\") + fileName);
}

void TForm3::N14Click()
{
    showDocument(QStringLiteral("Руководство.htm"));
}

void TForm3::N3Click()
{
    TDataModule2* data = DataModule2;
    for (Table* table :
         {data->ADOTable1, data->tblMedia, data->ADOTable3, data->ADOTable4, data->ADOTable5, data->ADOTable6})
        table->close();
    Form1->show();
    close();
}

void TForm3::TreeView1Click()
{
    QTreeWidgetItem* selected = TreeView1->currentItem();
    if (!selected || !selected->isSelected())
        return;
    if (mode_ == lectureMode) {
        const QString folder = programFolder();
        Table* lectures = DataModule2->ADOTable3;
        lectures->locate(QStringLiteral("tema"), selected->text(0), Table::CaseInsensitive | Table::PartialKey);
        const QString file = lectures->fieldValue(QStringLiteral("file")).toText(QStringLiteral("OleStr"));
        WebBrowser1->navigate(folder + QStringLiteral("Teoria\\") + file);
    } else if (mode_ == presentationMode) {
        Table* presentations = DataModule2->ADOTable7;
        presentations->locate(QStringLiteral("tema"), selected->text(0), Table::CaseInsensitive | Table::PartialKey);
        shellOpen(QStringLiteral("Teoria\\Present\\") + presentations->fieldValue(QStringLiteral("file")).toText());
    } else {
        return;
    }
    readingComfort->topicOpened(mode_, selected->text(0));
}

bool TForm3::eventFilter(QObject* watched, QEvent* event)
{
    // Only a click opens a topic; moving through the tree with the keys does not. The press has
    // already selected the entry under the pointer by the time the button is let go.
    if (watched == TreeView1->viewport() && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        guarded([this] { TreeView1Click(); });
    // Enter opens the marked topic, as a click does; the arrows still only move.
    if (watched == TreeView1 && isEnterKey(event)) {
        guarded([this] { TreeView1Click(); });
        return true;
    }
    return Form::eventFilter(watched, event);
}

void TForm3::placeOnScreen()
{
    fittedFrame_ = frameMargins(this);
    fillWorkArea(this);
}

bool TForm3::event(QEvent* event)
{
    const bool handled = Form::event(event);
    if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) && isVisible()
        && frameMargins(this) != fittedFrame_)
        placeOnScreen();
    return handled;
}
