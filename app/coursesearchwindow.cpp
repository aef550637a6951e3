#include "app/coursesearchwindow.h"

#include "platform/applicationtitle.h"
#include "platform/guarded.h"
#include "platform/messagebox.h"
#include "skin/controls/tsbutton.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tslabel.h"
#include "skin/controls/tslistbox.h"
#include "skin/controls/tsskinprovider.h"

#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace {
const QRect designedPlace(120, 120, 640, 480);

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
    : Form(QStringLiteral("CourseSearch"), QStringLiteral("Поиск по курсу"), designedPlace),
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
    resultList = new TsListBox(client());
    resultList->setObjectName(QStringLiteral("ResultList"));
    resultList->setAccessibleName(QStringLiteral("Найденные документы"));

    auto* queryRow = new QHBoxLayout;
    queryRow->addWidget(queryEdit, 1);
    queryRow->addWidget(findButton);
    auto* layout = new QVBoxLayout(client());
    layout->addLayout(queryRow);
    layout->addWidget(statusLabel);
    layout->addWidget(resultList, 1);

    connect(findButton, &QPushButton::clicked, this, [this] { guarded([this] { search(); }); });
    connect(queryEdit, &QLineEdit::returnPressed, this, [this] { guarded([this] { search(); }); });
    connect(resultList, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { choose(resultList->row(item)); });
    sSkinProvider1 = new TsSkinProvider(this);
}

CourseSearchWindow::~CourseSearchWindow() = default;

void CourseSearchWindow::search()
{
    const QString query = queryEdit->text().trimmed();
    resultList->clear();
    hits_.clear();
    searched_ = query;
    if (query.isEmpty()) {
        statusLabel->clear();
        return;
    }
    if (!index_) {
        index_ = std::make_unique<CourseIndex>(cacheFile_);
        // Once, when the index is made: every later search works just as well.
        if (!index_->notKeptReason().isEmpty())
            showMessageBox(
                {applicationTitle(),
                 QStringLiteral("Указатель для поиска по курсу не удаётся сохранить в файле %1 (%2). Поиск работает, "
                                "но после каждого запуска программы указатель строится заново.")
                     .arg(QDir::toNativeSeparators(cacheFile_), index_->notKeptReason()),
                 MessageIcon::Warning});
    }
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
