#pragma once

#include "app/courseindex.h"
#include "platform/form.h"

#include <functional>
#include <memory>

class CourseIndexBuild;
class TsButton;
class TsEdit;
class TsLabel;
class TsListBox;
class TsProgressBar;
class TsSkinProvider;

// "Поиск по курсу" (Ctrl+Shift+F in the main window): finds the words in every lecture and course
// document at once and lists the documents with the text around the first hit; choosing one
// (double click or Enter) opens it at the hit. The index is first built away from the window's
// thread, the window telling how far it has got; a query asked meanwhile is answered once it is
// ready. After that the index is brought up to date before each search.
class CourseSearchWindow : public Form {
    Q_OBJECT

public:
    using DocumentList = std::function<QList<CourseDocument>()>;

    CourseSearchWindow(DocumentList documents, const QString& cacheFile);
    ~CourseSearchWindow() override;

    // Answers the query at once when the index is ready; otherwise keeps it for when it is.
    void search();
    const QList<SearchHit>& hits() const { return hits_; }
    bool indexReady() const { return index_ != nullptr; }

    TsEdit* queryEdit;
    TsButton* findButton;
    TsLabel* statusLabel;
    // Shown while the index is being prepared: how many of the documents have been read.
    TsProgressBar* indexProgress;
    TsListBox* resultList;
    TsSkinProvider* sSkinProvider1;

signals:
    void documentChosen(const QString& path, const QString& topic, const QString& query);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildIndex();
    void indexBuilt();
    void stopBuilding();
    void answer();
    void choose(int row);

    DocumentList documents_;
    QString cacheFile_;
    // Owned (as a child) while it runs; the index is taken from it when it has finished.
    CourseIndexBuild* build_ = nullptr;
    std::unique_ptr<CourseIndex> index_;
    bool queryPending_ = false;
    QList<SearchHit> hits_;
    QString searched_;
};
