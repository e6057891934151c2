#pragma once

#include "find/find_entry.h"
#include "ui/browser/html_viewer.h"
#include "ui/calculator/calculator_panel.h"
#include "ui/calculator/panel_pictures.h"
#include "ui/library/build_dialogs.h"
#include "ui/library/build_files.h"
#include "ui/search/search_panel.h"
#include "ui/shell/message_box.h"

#include "controls/image_ex.h"
#include "controls/my_color_map.h"
#include "data/catalogue.h"
#include "data/data_location.h"
#include "data/document_addresses.h"
#include "engine/calculator.h"

#include <QElapsedTimer>
#include <QPoint>
#include <QWidget>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QLineEdit;
class QMenu;
class QMenuBar;
class QUrl;

namespace zephyr::ui {

class BuildComparisonWindow;
class EngineViewers;
class FindIndexLoader;
class FindWindow;
class LibraryWindow;

struct TNavHistory {
    std::string Url; // Windows-1251
    std::int32_t ScrollTop = 0;
};

// What the set-up needs from the program around it.
class MainWindow;

struct SetupHooks {
    MessageBoxFunction MessageBox;
    // The splash status line (Windows-1251), repainted at once.
    std::function<void(const std::string& text)> Status;
    // Makes the HTML viewers; empty: the real browser engine.
    ViewerFactory Viewers;
    // The system shell's open: web addresses, a help file that is not a
    // document, the project's site; false when nothing could open it.
    // Empty: the desktop's default handlers.
    std::function<bool(const QUrl& url)> OpenExternal;
    // Where builds are kept, and the questions the library asks (empty: the
    // dialog boxes).
    std::filesystem::path BuildsFolder;
    BuildDialogs Dialogs;
    // Puts the window on screen before the set-up's steps, once its frame,
    // menu colours and buttons have their pictures; the calculator panel,
    // still empty, stays out of that first frame. Empty: the window's owner
    // shows it after the set-up.
    std::function<void(MainWindow& window)> ShowFrame;
    // The top-level already on screen that the window fills (the launcher's
    // MainWindowHost); null: the window is a top-level of its own.
    QWidget* Host = nullptr;
};

// The build in the calculator when it is kept in a file.
struct KeptBuild {
    std::filesystem::path Path;
    BuildFile File; // as last read or written: its recipe is the saved build
    FileStamp Stamp;
};

enum class SetupOutcome {
    Completed,   // every step ran
    Interrupted, // an error ended the set-up early; the window opens with what was done
    EndProgram,  // a required design file is missing: the program ends
};

// TForm1: the borderless skinned main window with the calculator panel, the
// search panel, the document viewer and the navigation bar. Its title, moves
// and closing are those of window(): itself, or the host it fills.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow(DataLocation location, SetupHooks hooks);
    ~MainWindow() override;

    SetupOutcome Outcome() const { return outcome_; }
    bool CalculatorReady() const { return calculatorReady_; }
    const Catalogue& Catalog() const { return catalogue_; }
    CalculatorPanel* Panel() const { return mainScrollBox_; }
    const std::vector<TNavHistory>& NavHistory() const { return navHistory_; }
    int NavIndex() const { return navIndex_; }
    HtmlViewer* WebBrowser1() const { return webBrowser1_.get(); }
    SearchPanel* Search() const { return searchScrollBox_; }

    // The window-wide preamble of every click and mouse-down handler.
    void ClickGate(QObject* sender);

    // The build library (build_keeping.cpp).
    const std::filesystem::path& BuildsFolder() const { return hooks_.BuildsFolder; }
    const std::optional<KeptBuild>& Kept() const { return kept_; }
    // Whether the build differs from the kept one, or, never kept, has gestures.
    bool BuildModified() const;
    // Ctrl+S, and Ctrl+Shift+S for a new name; false when nothing was saved.
    bool SaveBuild(bool asNew);
    // Opens a build file, or a build code (links, drops), in the calculator;
    // false when it cannot (the reason is told) or the user kept the build.
    bool OpenBuildFile(const std::filesystem::path& path);
    bool OpenBuildCode(const QString& code);
    // The library window (Ctrl+O), and the comparison of the build with a
    // saved one; null until first shown.
    void ShowLibrary();
    void CompareWith(const std::filesystem::path& build);
    LibraryWindow* Library() const { return library_; }
    BuildComparisonWindow* Comparison() const { return comparison_; }

    // The search over everything (find_commands.cpp): Ctrl+K and the field
    // at the end of the menu bar show its window with `text`.
    void ShowFind(const QString& text);
    FindWindow* Finder() const { return findWindow_; }
    FindIndexLoader* FindLoader() const { return findLoader_.get(); }

    // The browser engine of the real viewers starts right after the window's
    // first frame; until then the viewers keep what they are asked. False
    // with viewers the set-up was given.
    bool ViewersStarted() const;

    // Starts the window move by the mouse; replaceable for tests.
    void SetSystemMoveFunction(std::function<bool()> move) { systemMove_ = std::move(move); }

private:
    // The build library (build_keeping.cpp) and its windows
    // (library_commands.cpp).
    void BuildKeepingEntries();
    void BuildLibraryEntries();
    void FollowLibraryChange(const std::filesystem::path& before,
                             const std::filesystem::path& after);
    // A build file or a build code dropped anywhere on the window, the
    // document viewer included (build_drops.cpp); true when taken.
    bool BuildDrop(QObject* watched, QEvent* event);
    // Asks about unsaved changes to a kept build before it leaves the
    // window; false when the user keeps it.
    bool MayLeaveBuild();
    void UpdateTitle();
    const std::string& DataId();
    void ShowCalculatorForBuild();
    // On exit: a build with gestures nobody saved becomes the last session.
    void KeepLastSession();
    void closeEvent(QCloseEvent* event) override;

    void BuildFindEntries();
    bool FindFieldClick(QObject* watched, QEvent* event);
    // Opens a result where it lives: the calculator, a document, the dictionary.
    void OpenFound(const FindEntry& entry, const QString& words);

    // Window shell (window_shell.cpp).
    void BuildShell();
    void BuildMenuBar();
    void BuildNavigationBar();
    void Image3MouseDown();
    void ImageEx3Click();
    void ImageEx4Click();
    void SetButtonPicture(controls::ImageEx* button, ButtonGroup group, ButtonState state);
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Set-up (main_window_setup.cpp).
    void FormCreate();
    void RunSetupSteps();
    void DisableCalculator(bool alsoDictionary);
    void LoadDesignPictures();
    void FallBackAfterError();
    // The frame's pictures (step 11), the menu colours (13) and the button
    // pictures with the frame's buttons' first ones (14).
    void LoadFramePictures();
    void MakeMenuColours();
    void LoadButtonPictures();
    // The frame shown ahead of the set-up, when the design is all there;
    // returns what covers the empty calculator meanwhile, or null.
    QWidget* ShowFrameEarly();
    void ShowLateChildren();
    // The browser engine starts after the window's first frame and the set-up.
    void StartViewersWhenReady();

    // History (navigation.cpp).
    void RecordHistory(const std::string& address);
    void GoBack();
    void GoNext();
    void StepTo(int index);
    void RememberScroll();
    void UpdateNavButtons();
    void WebBrowser1DocumentComplete();
    // Hides the viewer while a panel covers it, shows it when none does.
    void UpdateViewerVisibility();

    // The document viewer's link protocol (web_browser_hook.cpp).
    void WebBrowser1BeforeNavigate2(const std::string& address, bool& cancel);
    void SelectHeroByLink(const std::string& linkName);

    // Menu commands and document buttons (document_commands.cpp).
    void Action7Execute();
    void Action4Execute();
    void Action12Execute();
    void Action3Execute(QAction* action);
    void DocumentCommand(QAction* action, DocumentKey key);
    void ImageEx2Click();
    void ImageEx6Click();
    void ImageNavLinkClick();
    // Hands the address to the desktop; says so when nothing opens it.
    void OpenExternal(const QUrl& url);
    void ShowDocument(const std::string& address);
    // Reading keys and the mouse's back and forward buttons; true when used.
    bool ReadingShortcut(QEvent* event);
    // Moves the window while the caption is held where the system cannot.
    bool CaptionDrag(QObject* watched, QEvent* event);
    bool DocumentShown() const;

    DataLocation location_;
    SetupHooks hooks_;
    SetupOutcome outcome_ = SetupOutcome::Completed;
    bool calculatorReady_ = true;
    bool searchListBuilt_ = false; // the last set-up step ran
    bool heroShown_ = false;
    bool frameReady_ = false;         // frame, menu colours and buttons already in
    bool exposed_ = false;            // the window's first frame is painted
    bool nativeWindowRemade_ = false; // since then, and not yet exposed again
    bool setupDone_ = false;

    Catalogue catalogue_;
    std::unique_ptr<Calculator> calculator_;
    DocumentAddresses addresses_;
    PanelPictures pictures_;
    std::optional<KeptBuild> kept_;
    LibraryWindow* library_ = nullptr;
    BuildComparisonWindow* comparison_ = nullptr;
    QMenu* applicationMenu_ = nullptr;
    std::string dataId_;
    // After the catalogue it reads, so that it goes first.
    std::unique_ptr<FindIndexLoader> findLoader_;
    FindWindow* findWindow_ = nullptr;
    QLineEdit* findField_ = nullptr;
    std::unique_ptr<controls::MyColorMap> colorMap_;

    controls::PictureControl* image5_ = nullptr;
    controls::PictureControl* image6_ = nullptr;
    controls::PictureControl* image7_ = nullptr;
    controls::PictureControl* image8_ = nullptr;
    QWidget* scrollBox2_ = nullptr;
    controls::PictureControl* image3_ = nullptr;
    controls::ImageEx* imageEx3_ = nullptr;
    controls::ImageEx* imageEx4_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QAction* action7_ = nullptr;
    QAction* action4_ = nullptr;
    QAction* action12_ = nullptr;
    // The real viewers' engine, when the set-up was not given viewers.
    std::unique_ptr<EngineViewers> engineViewers_;
    std::unique_ptr<HtmlViewer> webBrowser1_;
    SearchPanel* searchScrollBox_ = nullptr;
    QWidget* scrollBoxNavigation_ = nullptr;
    controls::ImageEx* imageNavBack_ = nullptr;
    controls::ImageEx* imageNavNext_ = nullptr;
    controls::ImageEx* imageNavLink_ = nullptr;
    CalculatorPanel* mainScrollBox_ = nullptr;

    std::vector<TNavHistory> navHistory_;
    int navIndex_ = -1;
    // The next navigation the hook sees is a history step or the start page.
    bool navFromHistory_ = false;
    // A history step's offset, applied when its page has finished loading.
    std::optional<TNavHistory> pendingScroll_;

    std::function<bool()> systemMove_;
    // Where the caption was pressed, from the window's top-left corner, while
    // the window follows the mouse itself (no system move available).
    std::optional<QPoint> captionGrab_;
    QPoint captionPress_;
    bool gating_ = false;
    bool swallowRightRelease_ = false;
    // Window activation, to tell the press that activated the window (a
    // window manager that activates on press) from later ones.
    QElapsedTimer activatedAt_;
    bool pressSinceActivation_ = true;
};

} // namespace zephyr::ui
