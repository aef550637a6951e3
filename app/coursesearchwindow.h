#pragma once

#include "app/courseindex.h"
#include "platform/form.h"

#include <functional>
#include <memory>

class TsButton;
class TsEdit;
class TsLabel;
class TsListBox;
class TsSkinProvider;

// "Поиск по курсу" (Ctrl+Shift+F in the main window): finds the words in every lecture and course
// document at once and lists the documents with the text around the first hit; choosing one
// (double click or Enter) opens it at the hit. The index is brought up to date before each search.
class CourseSearchWindow : public Form {
    Q_OBJECT

public:
    using DocumentList = std::function<QList<CourseDocument>()>;

    CourseSearchWindow(DocumentList documents, const QString& cacheFile);
    ~CourseSearchWindow() override;

    void search();
    const QList<SearchHit>& hits() const { return hits_; }

    TsEdit* queryEdit;
    TsButton* findButton;
    TsLabel* statusLabel;
    TsListBox* resultList;
    TsSkinProvider* sSkinProvider1;

signals:
    void documentChosen(const QString& path, const QString& topic, const QString& query);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void choose(int row);

    DocumentList documents_;
    QString cacheFile_;
    std::unique_ptr<CourseIndex> index_;
    QList<SearchHit> hits_;
    QString searched_;
};
