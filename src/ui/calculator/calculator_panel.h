#pragma once

#include "ui/calculator/panel_pictures.h"
#include "ui/calculator/ticker.h"
#include "ui/widgets/fixed_line_list_box.h"
#include "ui/widgets/menu_style.h"
#include "ui/widgets/string_grid.h"

#include "controls/edit1.h"
#include "controls/image_ex.h"
#include "data/data_location.h"
#include "engine/build_history.h"
#include "engine/calculator.h"
#include "engine/stat_figures.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <random>

class QLabel;
class QMenu;
class QAction;
class QTimer;

namespace zephyr::ui {

class ChangeMarks;
class PickerSearch;
class LevelChartWindow;
class TransientNote;

// The calculator panel `MainScrollBox`: pickers, slots, abilities, editors,
// aura strip, orb, statistics and the running line. Every rule is the
// Calculator's; the panel turns events into its calls and draws what it says.
class CalculatorPanel : public QWidget {
    Q_OBJECT
public:
    using ClickGateFunction = std::function<void(QObject* sender)>;

    CalculatorPanel(QWidget* parent, PanelPictures& pictures, const DataLocation& location,
                    ClickGateFunction clickGate);
    ~CalculatorPanel() override;

    // Null while no catalogue is loaded: the panel then shows no hero.
    void SetCalculator(Calculator* calculator);
    Calculator* Calc() const { return calculator_; }

    // Set-up steps.
    void WriteGridCaptions();
    void BuildPickerMenus(const Catalogue& catalogue);
    void SetBackground(const QImage& mask);
    void SetStatPictures(const QImage& attack, const QImage& armor, const QImage& attribute);
    void GiveButtonsFirstPictures();
    void LoadTickerLines(std::vector<std::string> lines);
    // Hero number `hero` becomes current and is shown, the build reset.
    void ChooseHero(int hero);
    // Frames ability picture `ability` (1 to 5) for a moment: "here it is".
    void FlashAbility(int ability);
    // ShowHero for the current hero (also the reset button).
    void ShowHero();

    void RefreshStats();
    void RefreshPictures();

    // The parts of the click gate that live on this panel.
    std::array<controls::Edit1*, 3> DynEdits() const { return dynEdit_; }
    // Ends the editing in any parameter field (click gate, step 1).
    void EndEditing();
    FixedLineListBox* BuildOrderList() const { return listBox1_; }

    // The build as a build code (Ctrl+C) and back (Ctrl+V): the gestures made
    // since the hero was chosen. Pasting a code that is foreign, damaged or
    // names what the catalogue lacks changes nothing and returns the reason
    // in the window's words; an empty string when it was pasted.
    QString BuildCode() const;
    QString PasteBuildCode(const QString& code);
    // The build as the gestures since its hero was chosen.
    const BuildRecipe& Recipe() const { return history_.Recipe(); }
    // Makes a whole build anew (an opened build), undone in one step.
    void OpenRecipe(const BuildRecipe& recipe);
    // Asked before the hero picker replaces the build with another hero's;
    // false keeps the build.
    void SetHeroChangeGate(std::function<bool()> gate) { heroChangeGate_ = std::move(gate); }
    // The portrait's context menu, for the window's own entries.
    QMenu* PortraitMenu() const { return portraitMenu_; }
    // A short note at the panel's foot that goes by itself.
    void Note(const QString& text);
    // Undo and redo over the panel's gestures, choosing a hero included;
    // false when there is nothing to take back or to make again.
    bool Undo();
    bool Redo();

    // What-if previews, shown as tooltips: placing `item` in the slot the
    // item picker is open for, the next level of `ability` (1 to 5), taking
    // the item off `slot`. Empty where the gesture is not on offer.
    QString ItemPreviewText(int item) const;
    QString AbilityPreviewText(int ability) const;
    QString SlotPreviewText(int slot) const;

    // Comparison: pins today's build, or unpins it (Ctrl+P, portrait menu).
    // While one is pinned the tooltip of every value, in the grid and in the
    // hero block, compares with it and the values that differ are marked.
    void TogglePin();
    bool HasPinnedBuild() const { return pinned_.has_value(); }
    QString ValueCellToolTip(int column, int row) const;
    QString ValueLabelToolTip(const QObject* label) const;
    const ChangeMarks* ChangedValueMarks() const { return changeMarks_; }

    // The popup that breaks a figure down into its sources, at a point of
    // the screen.
    void ShowBreakdown(Figure figure, const QPoint& at);

    // The running line's random source, replaceable for tests.
    void SetTickerRandom(Ticker::RandomFunction random);
    QTimer* TickerTimer() const { return timer1_; }

signals:
    // After every change of the build, Undo and Redo and opened builds included.
    void BuildChanged();
    // The hero description and formulas buttons, after the click gate.
    void DescriptionRequested();
    void FormulasRequested();

private:
    // A gesture the calculator took, for the build code and Undo.
    void Record(const Gesture& gesture) {
        history_.Record(gesture);
        emit BuildChanged();
    }
    // Makes the build a recipe describes, through its gestures, and shows it.
    void Rebuild(const BuildRecipe& recipe);
    // Rebuilds an Undo or Redo step; false when there was none.
    bool ShowStep(const std::optional<BuildRecipe>& step);
    // A build of a hero anew: its pictures, the panel and the lists.
    void ShowWholeBuild();
    void BuildCodeShortcuts();
    // Previews, breakdowns and the comparison (calculator_planning.cpp).
    void BuildPlanning();
    // The tooltip of a gesture's changes, under a heading.
    QString PreviewText(const QString& heading, const Gesture& gesture) const;
    void ShowItemPreview(QMenu* menu, QAction* action);
    // A value of the hero block: its figure and the labels that show it.
    struct BlockValue {
        Figure Id;
        QLabel* Value;
        QLabel* Bonus; // null for the hit point and mana labels
    };
    std::vector<BlockValue> BlockValues() const;
    std::optional<FigureChange> ChangeSincePinned(Figure figure) const;
    QString PinnedToolTip(Figure figure) const;
    void MarkChangedValues();
    // Tooltips of abilities and slots, clicks on the hero block's values.
    bool PlanningEvent(QObject* watched, QEvent* event);
    void CopyBuild();
    // What the transient note says when a click changes nothing.
    QString AbilityName(int ability) const;
    QString LevelRefusal(int ability) const;
    QString AbilityMenuRefusal(int ability) const;
    QString SlotMenuRefusal(int slot) const;
    // Why the parameter editors take nothing now.
    QString EditorRefusal() const;
    void PasteBuild();

    // The level chart window (calculator_level_chart.cpp): Ctrl+G and the
    // portrait's menu open it; while it is open it follows the build.
    void BuildLevelChartEntries();
    void ShowLevelChart();
    void RefreshLevelChart();

    // Construction (calculator_panel.cpp).
    QLabel* MakeLabel(const char* name, const QString& text, int x, int y, const QColor& colour,
                      const QFont& font);
    controls::ImageEx* MakeButton(const char* name, int x, int y, int w, int h,
                                  const QString& hint);
    void BuildEditors();
    void BuildContextMenus();
    void WireGestures();
    // The controls from the keyboard and to screen readers
    // (calculator_access.cpp): focus, keys and names.
    void BuildKeyboardAccess();
    void UpdateControlNames();
    void UpdateEditorNames();
    void UpdateHeroBlockNames();
    void WireHover(controls::ImageEx* button, ButtonGroup group);

    // Pickers and slots (calculator_pickers.cpp).
    void ImageHeroMouseDown(QMouseEvent* event);
    void ImageSlot1MouseDown(int slot, QMouseEvent* event);
    void RemoveItem(int slot);
    void PlaceItem(int item);
    void ChooseHeroEntry(int hero);
    void ListBox1DragDrop(int from, int to);
    void SyncBuildOrderList();
    // The entries of a shop, or of a group of one (with its caption).
    QMenu* AddShopEntries(QMenu* menu, const std::vector<ItemMenuEntry>& entries,
                          const QString& groupCaption = {});

    // Abilities and levels (calculator_abilities.cpp).
    void ImageAbility1MouseDown(int ability, QMouseEvent* event);
    void ImageEx8MouseDown();
    void ImageEx7MouseDown();
    void LoadAbilityPictures();
    void LoadAttributePicture();

    // Context menus and editors (calculator_editors.cpp).
    void PopupMenu3Popup(int ability, const QPoint& at);
    void PopupMenu4Popup(int slot, const QPoint& at);
    void N2Click();
    void N4Click();
    void N1Click();
    void DynEdit1Enter(int editor);
    void DynEdit1Exit(int editor);
    bool DynEdit1KeyPress(int editor, QKeyEvent* event);
    void DynArrowMouseDown(int editor, bool right);
    void SyncEditors();
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Pictures (calculator_pictures.cpp).
    QImage SlotImage(int slot) const;
    QImage AbilityImage(int ability) const;
    QImage AuraImage(int aura) const;
    QImage OrbImage() const;

    // Running line (running_line.cpp).
    void BuildRunningLine();
    void Timer1Timer();
    void ImageEx1MouseDown();
    void ImageEx1Hover(bool inside);

    // Everything that follows a change of the build.
    void AfterBuildChange();
    void mousePressEvent(QMouseEvent* event) override;

    PanelPictures& pictures_;
    const DataLocation& location_;
    ClickGateFunction clickGate_;
    std::function<bool()> heroChangeGate_;
    Calculator* calculator_ = nullptr;
    std::unique_ptr<MenuEntryStyle> menuStyle_;
    BuildHistory history_;
    QMenu* portraitMenu_ = nullptr;
    QAction* pinEntry_ = nullptr;
    std::optional<HeroStats> pinned_;
    ChangeMarks* changeMarks_ = nullptr;
    LevelChartWindow* levelChart_ = nullptr;
    TransientNote* note_ = nullptr;
    // Typing in the item picker.
    PickerSearch* itemSearch_ = nullptr;
    PickerSearch* heroSearch_ = nullptr;

    controls::PictureControl* image10_ = nullptr;
    controls::PictureControl* imageHero_ = nullptr;
    std::array<controls::PictureControl*, 6> imageSlot_{};
    std::array<controls::PictureControl*, 5> imageAbility_{};
    std::array<controls::PictureControl*, 10> imageAurs_{};
    controls::PictureControl* imageOrbs_ = nullptr;
    controls::PictureControl* imageAttribute_ = nullptr;
    controls::PictureControl* imageAttack_ = nullptr;
    controls::PictureControl* imageArmor_ = nullptr;
    controls::ImageEx* imageEx1_ = nullptr;
    controls::ImageEx* imageEx2_ = nullptr;
    controls::ImageEx* imageEx6_ = nullptr;
    controls::ImageEx* imageEx7_ = nullptr;
    controls::ImageEx* imageEx8_ = nullptr;
    FixedLineListBox* listBox1_ = nullptr;
    FixedLineListBox* listBox2_ = nullptr;
    StringGrid* stringGrid1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label16_ = nullptr;
    QLabel* label17_ = nullptr;
    QLabel* label18_ = nullptr;
    std::array<QLabel*, 5> valueLabels_{}; // Label7, 9, 11, 13, 15
    std::array<QLabel*, 5> bonusLabels_{}; // Label23 to Label27

    QWidget* scrollBox3_ = nullptr;
    std::array<QLabel*, 3> dynLabel_{};
    std::array<controls::ImageEx*, 3> dynLeftArrow_{};
    std::array<controls::ImageEx*, 3> dynRightArrow_{};
    std::array<controls::PictureControl*, 3> dynCenter_{};
    std::array<controls::Edit1*, 3> dynEdit_{};

    QMenu* popupMenu1_ = nullptr; // item picker
    QMenu* popupMenu2_ = nullptr; // hero picker
    QMenu* popupMenu3_ = nullptr; // ability menu
    QMenu* popupMenu4_ = nullptr; // slot menu
    QAction* n1_ = nullptr;
    QAction* n2_ = nullptr;
    QAction* n4_ = nullptr;
    int popupSlot_ = 0;    // anchor of PopupMenu1 and PopupMenu4
    int popupAbility_ = 0; // anchor of PopupMenu3

    QTimer* timer1_ = nullptr;
    std::mt19937 random_;
    Ticker ticker_;
    bool syncingEditors_ = false;
};

} // namespace zephyr::ui
