#include "app/coursesearchwindow.h"

#include "app/courseindexbuild.h"
#include "app/coursesearchwindowmetrics.h"
#include "platform/applicationtitle.h"
#include "platform/guarded.h"
#include "platform/messagebox.h"
#include "skin/controls/tsbutton.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tslabel.h"
#include "skin/controls/tslistbox.h"
#include "skin/controls/tsprogressbar.h"
#include "skin/controls/tsskinprovider.h"

#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace {
// The documents the search could not look through, so that a student does not take "nothing
// found" for the whole course's answer.
QString leftOutNote(const QList<LeftOutDocument>& leftOut)
{
    QStringList lines;
    for (const LeftOutDocument& document : leftOut)
        lines << QStringLiteral("Не вошёл в поиск файл %1: %2")
                     .arg(QDir::toNativeSeparators(document.path), document.reason);
    return lines.join(u'\n');
}
} // namespace

CourseSearchWindow::CourseSearchWindow(DocumentList documents, const QString& cacheFile)
    : Form(QStringLiteral("CourseSearch"), QStringLiteral("Поиск по курсу"), metrics::courseSearchWindow::frame),
      documents_(std::move(documents)),
      cacheFile_(cacheFile)
{
    queryEdit = new TsEdit(client());
    queryEdit->setObjectName(QStringLiteral("QueryEdit"));
    queryEdit->setAccessibleName(QStringLiteral("Что найти"));
    queryEdit->setPlaceholderText(QStringLiteral("Слова для поиска во всех лекциях и документах"));
    findButton = new TsButton(client());
    findButton->setObjectName(QStringLiteral("FindButton"));
    findButton->setText(QStringLiteral("Найти"));
    findButton->setDefault(true);
    statusLabel = new TsLabel(client());
    statusLabel->setObjectName(QStringLiteral("StatusLabel"));
    // A file left out of the search is named with its whole path.
    statusLabel->setWordWrap(true);
    indexProgress = new TsProgressBar(client());
    indexProgress->setObjectName(QStringLiteral("IndexProgress"));
    indexProgress->setAccessibleName(QStringLiteral("Подготовка указателя курса"));
    indexProgress->hide();
    resultList = new TsListBox(client());
    resultList->setObjectName(QStringLiteral("ResultList"));
    resultList->setAccessibleName(QStringLiteral("Найденные документы"));

    auto* queryRow = new QHBoxLayout;
    queryRow->addWidget(queryEdit, 1);
    queryRow->addWidget(findButton);
    auto* layout = new QVBoxLayout(client());
    layout->addLayout(queryRow);
    layout->addWidget(statusLabel);
    layout->addWidget(indexProgress);
    layout->addWidget(resultList, 1);

    connectGuarded(findButton, &QPushButton::clicked, this, &CourseSearchWindow::search);
    connectGuarded(queryEdit, &QLineEdit::returnPressed, this, &CourseSearchWindow::search);
    connectGuarded(resultList, &QListWidget::itemActivated, this,
                   [this](QListWidgetItem* item) { choose(resultList->row(item)); });
    sSkinProvider1 = new TsSkinProvider(this);
}

CourseSearchWindow::~CourseSearchWindow()
{
    stopBuilding();
}

void CourseSearchWindow::showEvent(QShowEvent* event)
{
    // Built as soon as the window opens, so that the reader's first query finds it ready or nearly.
    if (!index_ && !build_)
        buildIndex();
    Form::showEvent(event);
}

void CourseSearchWindow::closeEvent(QCloseEvent* event)
{
    // What has been read so far stays in the cache; opening the window again reads the rest.
    stopBuilding();
    queryPending_ = false;
    Form::closeEvent(event);
}

void CourseSearchWindow::buildIndex()
{
    const QList<CourseDocument> documents = documents_();
    build_ = new CourseIndexBuild(cacheFile_, documents, this);
    statusLabel->setText(QStringLiteral("Подготовка указателя курса…"));
    indexProgress->setRange(0, int(documents.size()));
    indexProgress->setValue(0);
    indexProgress->show();
    connectGuarded(build_, &CourseIndexBuild::progressed, this, [this](int done, int total) {
        statusLabel->setText(
            QStringLiteral("Подготовка указателя курса… Прочитано документов: %1 из %2.").arg(done).arg(total));
        indexProgress->setValue(done);
    });
    connectGuarded(build_, &CourseIndexBuild::finished, this, &CourseSearchWindow::indexBuilt);
}

void CourseSearchWindow::stopBuilding()
{
    delete std::exchange(build_, nullptr);
    indexProgress->hide();
}

void CourseSearchWindow::indexBuilt()
{
    index_ = build_->takeIndex();
    const QString failure = build_->failure();
    // It has posted its last call: deleted once this one returns, it waits for nothing.
    std::exchange(build_, nullptr)->deleteLater();
    indexProgress->hide();
    if (!index_) {
        queryPending_ = false;
        statusLabel->setText(QStringLiteral("Указатель курса не удалось подготовить: %1").arg(failure));
        return;
    }
    statusLabel->clear();
    // Once, when the index is made: every later search works just as well.
    if (!index_->notKeptReason().isEmpty())
        showMessageBox(
            {applicationTitle(),
             QStringLiteral("Указатель для поиска по курсу не удаётся сохранить в файле %1 (%2). Поиск работает, "
                            "но после каждого запуска программы указатель строится заново.")
                 .arg(QDir::toNativeSeparators(cacheFile_), index_->notKeptReason()),
             MessageIcon::Warning});
    if (std::exchange(queryPending_, false))
        answer();
}

void CourseSearchWindow::search()
{
    resultList->clear();
    hits_.clear();
    searched_ = queryEdit->text().trimmed();
    if (searched_.isEmpty()) {
        queryPending_ = false;
        statusLabel->clear();
        return;
    }
    if (index_) {
        answer();
        return;
    }
    queryPending_ = true;
    if (!build_)
        buildIndex();
}

void CourseSearchWindow::answer()
{
    const QString& query = searched_;
    index_->update(documents_());
    hits_ = index_->search(query);
    for (const SearchHit& hit : hits_) {
        auto* item = new QListWidgetItem(hit.topic + QStringLiteral(": ") + hit.snippet, resultList);
        item->setToolTip(QDir::toNativeSeparators(hit.path));
    }
    const int matched = hits_.size() < CourseIndex::listedHits ? int(hits_.size()) : index_->matchCount(query);
    if (hits_.isEmpty())
        statusLabel->setText(QStringLiteral("Ничего не найдено."));
    else if (matched > hits_.size())
        statusLabel->setText(
            QStringLiteral("Найдено документов: %1, показаны первые %2. Дважды щёлкните, чтобы открыть.")
                .arg(matched)
                .arg(hits_.size()));
    else
        statusLabel->setText(QStringLiteral("Найдено документов: %1. Дважды щёлкните, чтобы открыть.").arg(matched));
    if (!index_->leftOut().isEmpty())
        statusLabel->setText(statusLabel->text() + u'\n' + leftOutNote(index_->leftOut()));
    if (!hits_.isEmpty())
        resultList->setCurrentRow(0);
}

void CourseSearchWindow::keyPressEvent(QKeyEvent* event)
{
    // Esc closes it, as it closes the search bar and every dialog of the program.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    Form::keyPressEvent(event);
}

void CourseSearchWindow::choose(int row)
{
    if (row >= 0 && row < hits_.size())
        emit documentChosen(hits_[row].path, hits_[row].topic, searched_);
}
