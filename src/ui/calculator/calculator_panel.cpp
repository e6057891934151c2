#include "ui/calculator/calculator_panel.h"

#include "ui/calculator/panel_accessibility.h"
#include "ui/calculator/picker_search.h"
#include "ui/widgets/focus_framed_label.h"
#include "ui/widgets/transient_note.h"

#include "ui/widgets/texts.h"

#include "engine/build_order_list.h"
#include "engine/screen_texts.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

#include <chrono>

namespace zephyr::ui {
namespace {

const QColor kCaptionYellow(245, 255, 0);
const QColor kBonusLime(0, 255, 0);
// Parameter fields: one that takes a value, and one that does not.
const QColor kFieldOn(30, 36, 52);
const QColor kFieldOff(Qt::black);

QFont PixelFont(const char* family, int pixels, bool bold = false) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

} // namespace

CalculatorPanel::CalculatorPanel(QWidget* parent, PanelPictures& pictures,
                                 const DataLocation& location, ClickGateFunction clickGate)
    : QWidget(parent), pictures_(pictures), location_(location), clickGate_(std::move(clickGate)),
      menuStyle_(std::make_unique<MenuEntryStyle>(&pictures.Heroes32, &pictures.Shops)),
      random_(static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count())),
      ticker_(
          [this](const std::string& text) {
              return label18_->fontMetrics().horizontalAdvance(FromCp1251(text));
          },
          [this](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }) {
    setObjectName(QStringLiteral("MainScrollBox"));
    setGeometry(3, 47, 794, 550);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setFocusPolicy(Qt::ClickFocus);

    const QFont sansSerif = PixelFont("MS Sans Serif", 11);
    setFont(sansSerif);

    image10_ = new controls::PictureControl(this);
    image10_->setObjectName(QStringLiteral("Image10"));
    image10_->setGeometry(0, 0, 793, 550);

    imageHero_ = new controls::PictureControl(this);
    imageHero_->setObjectName(QStringLiteral("ImageHero"));
    imageHero_->setGeometry(92, 92, 64, 64);
    imageHero_->setToolTip(QStringLiteral("Выбор героя"));

    constexpr int kSlotPlaces[6][2] = {{450, 80},  {499, 80},  {450, 129},
                                       {499, 129}, {450, 179}, {499, 179}};
    for (int s = 0; s < 6; ++s) {
        auto* slot = new controls::PictureControl(this);
        slot->setObjectName(QStringLiteral("ImageSlot%1").arg(s + 1));
        slot->setGeometry(kSlotPlaces[s][0], kSlotPlaces[s][1], 36, 36);
        imageSlot_[static_cast<std::size_t>(s)] = slot;
    }

    const QFont tahoma9 = PixelFont("Tahoma", 9);
    listBox2_ = new FixedLineListBox(this);
    listBox2_->setObjectName(QStringLiteral("ListBox2"));
    MarkAsList(listBox2_);
    listBox2_->setGeometry(592, 48, 25, 345);
    listBox2_->setFont(tahoma9);
    listBox2_->SetTextColour(QColor(62, 76, 77));
    QStringList numbers;
    for (int n = 1; n <= kBuildOrderLength; ++n) {
        numbers << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    }
    listBox2_->SetLines(numbers);
    listBox2_->setEnabled(false);

    listBox1_ = new FixedLineListBox(this);
    listBox1_->setObjectName(QStringLiteral("ListBox1"));
    MarkAsList(listBox1_);
    listBox1_->setGeometry(624, 48, 129, 345);
    // The names want more than the numbers beside them: at nine pixels the
    // substitute faces run "rn" into "m". Verdana, made for small sizes on
    // screen, fills the 11-pixel line at ten.
    listBox1_->setFont(PixelFont("Verdana", 10));
    listBox1_->SetTextColour(Qt::white);

    constexpr int kAbilityLeft[5] = {20, 100, 180, 260, 340};
    for (int a = 0; a < 5; ++a) {
        auto* picture = new controls::PictureControl(this);
        picture->setObjectName(QStringLiteral("ImageAbility%1").arg(a + 1));
        picture->setGeometry(kAbilityLeft[a], 249, 64, 64);
        imageAbility_[static_cast<std::size_t>(a)] = picture;
    }
    imageAbility_[4]->setToolTip(QStringLiteral("Attribute Bonus"));

    label3_ = MakeLabel("Label3", QStringLiteral("Имя героя"), 216, 72, Qt::white,
                        PixelFont("Comic Sans MS", 17));
    label3_->setFixedSize(177, 29);
    label3_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont levelFont = PixelFont("Comic Sans MS", 13);
    // The substitute font runs "lvl" together into an "M" at this size.
    levelFont.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
    label2_ = MakeLabel("Label2", QString(), 88, 157, QColor(131, 120, 178), levelFont);
    label2_->setFixedSize(73, 18);
    label2_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    imageAttribute_ = new controls::PictureControl(this);
    imageAttribute_->setObjectName(QStringLiteral("ImageAttribute"));
    imageAttribute_->setGeometry(323, 136, 34, 34);
    imageAttack_ = new controls::PictureControl(this);
    imageAttack_->setObjectName(QStringLiteral("ImageAttack"));
    imageAttack_->setGeometry(214, 114, 22, 22);
    imageArmor_ = new controls::PictureControl(this);
    imageArmor_->setObjectName(QStringLiteral("ImageArmor"));
    imageArmor_->setGeometry(214, 154, 22, 22);

    imageEx1_ = MakeButton("ImageEx1", 4, 35, 27, 22, QStringLiteral("Вкл/выкл бегущую строку"));
    imageEx2_ = MakeButton("ImageEx2", 4, 64, 27, 22, QStringLiteral("Перейти к описанию героя"));
    imageEx6_ = MakeButton("ImageEx6", 4, 93, 27, 22, QStringLiteral("Показать формулы"));
    imageEx7_ = MakeButton("ImageEx7", 4, 122, 27, 22, QStringLiteral("Сбросить все настройки"));
    imageEx8_ = MakeButton("ImageEx8", 4, 158, 27, 22, QStringLiteral("Понизить уровень героя"));

    // The hero block: captions, values, and bonuses placed after the values.
    MakeLabel("Label4", QStringLiteral("Атака:"), 240, 112, kCaptionYellow, sansSerif);
    MakeLabel("Label8", QStringLiteral("Защита:"), 240, 152, kCaptionYellow, sansSerif);
    MakeLabel("Label10", QStringLiteral("Сила:"), 360, 104, kCaptionYellow, sansSerif);
    MakeLabel("Label12", QStringLiteral("Ловкость:"), 360, 136, kCaptionYellow, sansSerif);
    MakeLabel("Label14", QStringLiteral("Интеллект:"), 360, 168, kCaptionYellow, sansSerif);
    constexpr int kValuePlaces[5][2] = {{240, 128}, {240, 168}, {360, 120}, {360, 152}, {360, 184}};
    constexpr const char* kValueNames[5] = {"Label7", "Label9", "Label11", "Label13", "Label15"};
    constexpr const char* kBonusNames[5] = {"Label23", "Label24", "Label25", "Label26", "Label27"};
    for (std::size_t i = 0; i < 5; ++i) {
        valueLabels_[i] = MakeLabel(kValueNames[i], QString(), kValuePlaces[i][0],
                                    kValuePlaces[i][1], Qt::white, sansSerif);
        bonusLabels_[i] = MakeLabel(kBonusNames[i], QString(), kValuePlaces[i][0],
                                    kValuePlaces[i][1], kBonusLime, sansSerif);
        bonusLabels_[i]->hide();
    }
    label16_ = MakeLabel("Label16", QString(), 88, 186, QColor(0, 146, 63), sansSerif);
    label16_->setFixedSize(73, 13);
    label16_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label17_ = MakeLabel("Label17", QString(), 88, 205, QColor(0, 146, 221), sansSerif);
    label17_->setFixedSize(73, 13);
    label17_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    const QFont header = PixelFont("Comic Sans MS", 13, true);
    const QColor headerColour(231, 120, 23);
    MakeLabel("Label19", QStringLiteral("Параметры атаки"), 24, 360, headerColour, header);
    MakeLabel("Label20", QStringLiteral("Параметры защиты"), 192, 360, headerColour, header);
    MakeLabel("Label21", QStringLiteral("Остальные параметры"), 388, 360, headerColour, header);

    stringGrid1_ = new StringGrid(this);
    stringGrid1_->setObjectName(QStringLiteral("StringGrid1"));
    MarkAsTable(stringGrid1_);
    stringGrid1_->setGeometry(24, 384, 521, 130);
    stringGrid1_->setFont(PixelFont("Tahoma", 11));
    stringGrid1_->setEnabled(false);

    MakeLabel("Label1", QStringLiteral("Статус:"), 200, 200, kCaptionYellow, sansSerif);
    for (int n = 0; n < 10; ++n) {
        auto* aura = new controls::PictureControl(this);
        aura->setObjectName(QStringLiteral("ImageAurs%1").arg(n + 1));
        aura->setGeometry(248 + 17 * n, 200, 15, 15);
        imageAurs_[static_cast<std::size_t>(n)] = aura;
    }
    MakeLabel("Label5", QStringLiteral("Работающий орб"), 416, 248, QColor(182, 221, 199),
              PixelFont("Comic Sans MS", 17));
    imageOrbs_ = new controls::PictureControl(this);
    imageOrbs_->setObjectName(QStringLiteral("ImageOrbs"));
    imageOrbs_->setGeometry(448, 280, 70, 30);

    BuildEditors();
    BuildContextMenus();
    BuildCodeShortcuts();
    BuildLevelChartEntries();
    BuildPlanning();
    note_ = new TransientNote(this);
    BuildRunningLine();
    WireGestures();
    BuildKeyboardAccess();
}

CalculatorPanel::~CalculatorPanel() {
    // The menus use the style; they go first.
    delete popupMenu1_;
    delete popupMenu2_;
    delete popupMenu3_;
    delete popupMenu4_;
}

QLabel* CalculatorPanel::MakeLabel(const char* name, const QString& text, int x, int y,
                                   const QColor& colour, const QFont& font) {
    auto* label = new FocusFramedLabel(text, this);
    label->SetFocusFrameColour(controls::PictureControl::kFocusFrame);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    SetTextColour(label, colour);
    label->move(x, y);
    label->adjustSize();
    return label;
}

controls::ImageEx* CalculatorPanel::MakeButton(const char* name, int x, int y, int w, int h,
                                               const QString& hint) {
    auto* button = new controls::ImageEx(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(x, y, w, h);
    button->setToolTip(hint);
    return button;
}

void CalculatorPanel::BuildEditors() {
    scrollBox3_ = new QWidget(this);
    scrollBox3_->setObjectName(QStringLiteral("ScrollBox3"));
    scrollBox3_->setGeometry(584, 392, 193, 124);
    constexpr int kLabelTop[3] = {0, 40, 83};
    constexpr int kLeftArrow[3][2] = {{17, 14}, {16, 56}, {16, 96}};
    constexpr int kCentre[3][2] = {{41, 14}, {40, 56}, {40, 96}};
    constexpr int kRightArrow[3][2] = {{153, 14}, {152, 56}, {152, 96}};
    constexpr int kEdit[3][3] = {{41, 18, 112}, {40, 60, 113}, {40, 100, 113}};
    const QFont sansSerif = PixelFont("MS Sans Serif", 11);
    for (std::size_t i = 0; i < 3; ++i) {
        const int n = static_cast<int>(i) + 1;
        auto* label = new QLabel(scrollBox3_);
        label->setObjectName(QStringLiteral("DynLabel%1").arg(n));
        label->setGeometry(16, kLabelTop[i], 153, 13);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setFont(sansSerif);
        SetTextColour(label, kCaptionYellow);
        dynLabel_[i] = label;

        auto* left = new controls::ImageEx(scrollBox3_);
        left->setObjectName(QStringLiteral("DynLeftArrow%1").arg(n));
        MarkAsPictureButton(left);
        left->setGeometry(kLeftArrow[i][0], kLeftArrow[i][1], 24, 27);
        left->setEnabled(false);
        left->SetFadedWhenDisabled(true);
        dynLeftArrow_[i] = left;

        auto* centre = new controls::PictureControl(scrollBox3_);
        centre->setObjectName(QStringLiteral("DynCenter%1").arg(n));
        centre->setGeometry(kCentre[i][0], kCentre[i][1], 112, 27);
        dynCenter_[i] = centre;

        auto* right = new controls::ImageEx(scrollBox3_);
        right->setObjectName(QStringLiteral("DynRightArrow%1").arg(n));
        MarkAsPictureButton(right);
        right->setGeometry(kRightArrow[i][0], kRightArrow[i][1], 23, 27);
        right->setEnabled(false);
        right->SetFadedWhenDisabled(true);
        dynRightArrow_[i] = right;

        auto* edit = new controls::Edit1(scrollBox3_);
        edit->setObjectName(QStringLiteral("DynEdit%1").arg(n));
        edit->setGeometry(kEdit[i][0], kEdit[i][1], kEdit[i][2], 17);
        edit->setFrame(false);
        edit->setFont(sansSerif);
        edit->SetAlignment(controls::Edit1::eaCenter);
        // A field that takes no value is darker than one that does.
        QPalette palette = edit->palette();
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            palette.setColor(group, QPalette::Base,
                             group == QPalette::Disabled ? kFieldOff : kFieldOn);
            palette.setColor(group, QPalette::Text, Qt::white);
        }
        edit->setPalette(palette);
        edit->setContextMenuPolicy(Qt::NoContextMenu);
        edit->setEnabled(false);
        edit->installEventFilter(this);
        dynEdit_[i] = edit;
    }
}

void CalculatorPanel::BuildContextMenus() {
    popupMenu1_ = new QMenu();
    popupMenu1_->setObjectName(QStringLiteral("PopupMenu1"));
    menuStyle_->Attach(popupMenu1_, MenuKind::ItemPicker);
    itemSearch_ = new PickerSearch(popupMenu1_);
    // The list of typed matches shows in the picker itself.
    connect(popupMenu1_, &QMenu::hovered, this,
            [this](QAction* action) { ShowItemPreview(popupMenu1_, action); });
    popupMenu2_ = new QMenu();
    popupMenu2_->setObjectName(QStringLiteral("PopupMenu2"));
    menuStyle_->Attach(popupMenu2_, MenuKind::HeroPicker);
    heroSearch_ = new PickerSearch(popupMenu2_);

    const ScreenTexts& texts = Texts();
    popupMenu3_ = new QMenu();
    popupMenu3_->setObjectName(QStringLiteral("PopupMenu3"));
    menuStyle_->Attach(popupMenu3_, MenuKind::AbilityMenu);
    n2_ = popupMenu3_->addAction(FromCp1251(texts.Activate));
    n2_->setObjectName(QStringLiteral("N2"));
    n4_ = popupMenu3_->addAction(FromCp1251(texts.Configure));
    n4_->setObjectName(QStringLiteral("N4"));
    connect(n2_, &QAction::triggered, this, [this] { N2Click(); });
    connect(n4_, &QAction::triggered, this, [this] { N4Click(); });

    popupMenu4_ = new QMenu();
    popupMenu4_->setObjectName(QStringLiteral("PopupMenu4"));
    menuStyle_->Attach(popupMenu4_, MenuKind::SlotMenu);
    n1_ = popupMenu4_->addAction(FromCp1251(texts.Activate));
    n1_->setObjectName(QStringLiteral("N1"));
    connect(n1_, &QAction::triggered, this, [this] { N1Click(); });
}

void CalculatorPanel::WireGestures() {
    connect(image10_, &controls::PictureControl::MouseDown, this, [this] { clickGate_(image10_); });
    for (controls::PictureControl* gateOnly : {imageAttack_, imageArmor_, imageAttribute_}) {
        connect(gateOnly, &controls::PictureControl::MouseDown, this,
                [this, gateOnly] { clickGate_(gateOnly); });
    }
    connect(imageHero_, &controls::PictureControl::MouseDown, this,
            [this](QMouseEvent* event) { ImageHeroMouseDown(event); });
    for (int s = 1; s <= 6; ++s) {
        controls::PictureControl* slot = imageSlot_[static_cast<std::size_t>(s - 1)];
        connect(slot, &controls::PictureControl::MouseDown, this,
                [this, s](QMouseEvent* event) { ImageSlot1MouseDown(s, event); });
        connect(slot, &controls::PictureControl::Clicked, this, [this, s] { RemoveItem(s); });
    }
    for (int a = 1; a <= 5; ++a) {
        connect(imageAbility_[static_cast<std::size_t>(a - 1)],
                &controls::PictureControl::MouseDown, this,
                [this, a](QMouseEvent* event) { ImageAbility1MouseDown(a, event); });
    }
    connect(imageEx8_, &controls::PictureControl::MouseDown, this, [this] { ImageEx8MouseDown(); });
    connect(imageEx7_, &controls::PictureControl::MouseDown, this, [this] { ImageEx7MouseDown(); });
    // The document buttons open their pages with the document viewer.
    connect(imageEx2_, &controls::PictureControl::MouseDown, this, [this] {
        clickGate_(imageEx2_);
        emit DescriptionRequested();
    });
    connect(imageEx6_, &controls::PictureControl::MouseDown, this, [this] {
        clickGate_(imageEx6_);
        emit FormulasRequested();
    });
    WireHover(imageEx2_, ButtonGroup::Description);
    WireHover(imageEx6_, ButtonGroup::Formula);
    WireHover(imageEx7_, ButtonGroup::Reset);
    WireHover(imageEx8_, ButtonGroup::Level);

    listBox1_->CanDrag = [this](int line) {
        return calculator_ != nullptr && IsItemLineCode(calculator_->BuildOrderLineCode(line));
    };
    connect(listBox1_, &FixedLineListBox::LineDropped, this,
            [this](int from, int to) { ListBox1DragDrop(from, to); });

    for (int n = 1; n <= 3; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        connect(dynLeftArrow_[i], &controls::PictureControl::MouseDown, this,
                [this, n] { DynArrowMouseDown(n, false); });
        connect(dynRightArrow_[i], &controls::PictureControl::MouseDown, this,
                [this, n] { DynArrowMouseDown(n, true); });
        WireHover(dynLeftArrow_[i], ButtonGroup::EditLeft);
        WireHover(dynRightArrow_[i], ButtonGroup::EditRight);
    }
}

void CalculatorPanel::WireHover(controls::ImageEx* button, ButtonGroup group) {
    connect(button, &controls::ImageEx::MouseEnter, this, [this, button, group] {
        if (button->isEnabled()) {
            button->SetPicture(pictures_.Buttons.Get(group, ButtonState::Active));
        }
    });
    connect(button, &controls::ImageEx::MouseLeave, this, [this, button, group] {
        button->SetPicture(pictures_.Buttons.Get(group, ButtonState::Passive));
    });
}

void CalculatorPanel::mousePressEvent(QMouseEvent*) {
    // The panel, and the labels and disabled lists on it, only pass the gate.
    clickGate_(this);
}

void CalculatorPanel::SetCalculator(Calculator* calculator) {
    calculator_ = calculator;
}

void CalculatorPanel::WriteGridCaptions() {
    const ScreenTexts& texts = Texts();
    for (int row = 0; row < StringGrid::kRows; ++row) {
        for (int c = 0; c < 3; ++c) {
            stringGrid1_->SetCell(2 * c, row,
                                  FromCp1251(texts.GridCaptions[static_cast<std::size_t>(row)]
                                                               [static_cast<std::size_t>(c)]));
        }
    }
}

void CalculatorPanel::SetBackground(const QImage& mask) {
    image10_->SetPicture(mask, QColor(0, 255, 0));
}

void CalculatorPanel::SetStatPictures(const QImage& attack, const QImage& armor,
                                      const QImage& attribute) {
    imageAttack_->SetPicture(attack);
    imageArmor_->SetPicture(armor);
    imageAttribute_->SetPicture(attribute);
}

void CalculatorPanel::GiveButtonsFirstPictures() {
    const ButtonPictures& b = pictures_.Buttons;
    imageEx2_->SetPicture(b.Get(ButtonGroup::Description, ButtonState::Passive));
    imageEx8_->SetPicture(b.Get(ButtonGroup::Level, ButtonState::Passive));
    imageEx7_->SetPicture(b.Get(ButtonGroup::Reset, ButtonState::Passive));
    imageEx6_->SetPicture(b.Get(ButtonGroup::Formula, ButtonState::Passive));
    imageEx1_->SetPicture(b.Get(ButtonGroup::StringOn, ButtonState::Passive));
    for (std::size_t i = 0; i < 3; ++i) {
        dynLeftArrow_[i]->SetPicture(b.Get(ButtonGroup::EditLeft, ButtonState::Passive));
        dynRightArrow_[i]->SetPicture(b.Get(ButtonGroup::EditRight, ButtonState::Passive));
        dynCenter_[i]->SetPicture(b.Get(ButtonGroup::EditCentre, ButtonState::Passive));
    }
}

void CalculatorPanel::AfterBuildChange() {
    if (calculator_ != nullptr) {
        label3_->setText(FromCp1251(calculator_->HeroName()));
        label2_->setText(FromCp1251(calculator_->LevelCaption()));
    }
    SyncBuildOrderList();
    RefreshStats();
    RefreshPictures();
    RefreshLevelChart();
}

} // namespace zephyr::ui
