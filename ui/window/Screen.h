#pragma once

class QWidget;

namespace dzwonex {

class BannerBar;
class CasesPage;
class MapPage;
class MenuPage;
class StatisticsPage;
class StatusBar;
class TPageControl;
class TermReportPage;
class TMilestonePanel;

// The window's parts the game shows itself on.
struct Screen {
    QWidget* window = nullptr;  // the parent of the game's dialogs
    BannerBar* banner = nullptr;
    StatusBar* status = nullptr;
    TPageControl* pages = nullptr;
    MapPage* map = nullptr;
    StatisticsPage* statistics = nullptr;
    CasesPage* cases = nullptr;
    MenuPage* menu = nullptr;
    TermReportPage* report = nullptr;      // over the pages at a term's end
    TMilestonePanel* milestone = nullptr;  // a note over the pages for a while
};

}  // namespace dzwonex
