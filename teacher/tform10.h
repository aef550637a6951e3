#pragma once

#include "platform/form.h"

class DBGrid;
class TsDBEdit;
class TsDBMemo;
class TsDBNavigator;
class TsButton;
class TsPageControl;
class TsSkinProvider;
class TsTabSheet;

// The material editor: a page per course table, each with its grid (or, for the question bank,
// its text boxes) and a navigator, all bound to the data module's data sources, so that every
// change goes straight into the tables the rest of the program reads.
class TForm10 : public Form {
    Q_OBJECT

public:
    TForm10();

    TsPageControl* sPageControl1 = nullptr;
    TsTabSheet* sTabSheet1 = nullptr; // "Лекции"
    TsTabSheet* sTabSheet2 = nullptr; // "Мультимедиа"
    TsTabSheet* sTabSheet3 = nullptr; // "Презентации"
    TsTabSheet* sTabSheet4 = nullptr; // "Тесты"
    TsTabSheet* sTabSheet5 = nullptr; // "Результаты тестирования"
    TsTabSheet* sTabSheet6 = nullptr; // "Фото"
    DBGrid* DBGrid1 = nullptr;
    DBGrid* DBGrid2 = nullptr;
    DBGrid* DBGrid3 = nullptr;
    DBGrid* DBGrid4 = nullptr;
    DBGrid* DBGrid5 = nullptr;
    TsDBMemo* sDBMemo1 = nullptr;
    TsDBEdit* sDBEdit1 = nullptr;
    TsDBNavigator* sDBNavigator1 = nullptr;
    TsDBNavigator* sDBNavigator2 = nullptr;
    TsDBNavigator* sDBNavigator3 = nullptr;
    TsDBNavigator* sDBNavigator4 = nullptr;
    TsDBNavigator* sDBNavigator5 = nullptr;
    TsDBNavigator* sDBNavigator6 = nullptr;
    // In the tab row while the question bank's or the results' page is shown.
    TsButton* sButtonImportQuestions = nullptr;
    TsButton* sButtonExportResults = nullptr;

    TsSkinProvider* sSkinProvider1 = nullptr;

private:
    TsTabSheet* addPage(const QString& name, const QString& caption);
    DBGrid* addGridPage(TsTabSheet* page, const QString& gridName, TsDBNavigator*& navigator,
                        const QString& navigatorName);
    TsDBNavigator* addNavigator(TsTabSheet* page, const QString& name);
    void addPageCommands();

protected:
    void createControls() override;
};

extern TForm10* Form10;
