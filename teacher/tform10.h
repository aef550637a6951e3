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

    TsPageControl* sPageControl1;
    TsTabSheet* sTabSheet1; // "Лекции"
    TsTabSheet* sTabSheet2; // "Мультимедиа"
    TsTabSheet* sTabSheet3; // "Презентации"
    TsTabSheet* sTabSheet4; // "Тесты"
    TsTabSheet* sTabSheet5; // "Результаты тестирования"
    TsTabSheet* sTabSheet6; // "Фото"
    DBGrid* DBGrid1;
    DBGrid* DBGrid2;
    DBGrid* DBGrid3;
    DBGrid* DBGrid4;
    DBGrid* DBGrid5;
    TsDBMemo* sDBMemo1;
    TsDBEdit* sDBEdit1;
    TsDBNavigator* sDBNavigator1;
    TsDBNavigator* sDBNavigator2;
    TsDBNavigator* sDBNavigator3;
    TsDBNavigator* sDBNavigator4;
    TsDBNavigator* sDBNavigator5;
    TsDBNavigator* sDBNavigator6;
    // In the tab row while the question bank's or the results' page is shown.
    TsButton* sButtonImportQuestions;
    TsButton* sButtonExportResults;

    TsSkinProvider* sSkinProvider1;

private:
    TsTabSheet* addPage(const QString& name, const QString& caption);
    DBGrid* addGridPage(TsTabSheet* page, const QString& gridName, TsDBNavigator*& navigator,
                        const QString& navigatorName);
    TsDBNavigator* addNavigator(TsTabSheet* page, const QString& name);
    void addPageCommands();
};

extern TForm10* Form10;
