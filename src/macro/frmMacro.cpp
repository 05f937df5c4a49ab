#include "macro/frmMacro.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>

#include "core/macro_commands.h"
#include "core/numbers.h"
#include "core/play_speed.h"
#include "macro/frmMacro_ids.h"
#include "res/resource.h"
#include "win/common_controls.h"
#include "win/pointer_port.h"
#include "win/text.h"

namespace wp::macro {
namespace ids = macro_ids;
using win::DesignRect;
using win::Fit;
using win::FormRow;

namespace {

constexpr int clientWidth96 = 443;
// The design's 214, with room below the wait box for the repeat's times box and, below that, for
// the keyboard's frames.
constexpr int clientHeight96 = 328;
constexpr int frameLeft = 272;
constexpr int frameTop = 80;
// Overlapping controls must not paint over the one stacked above them.
constexpr DWORD clip = WS_CLIPSIBLINGS;
constexpr DWORD buttonStyle = clip | WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON | BS_MULTILINE;
constexpr DWORD optionStyle = clip | WS_TABSTOP | BS_RADIOBUTTON;
constexpr DWORD editStyle = clip | WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL;
constexpr DWORD labelStyle = clip | WS_GROUP | SS_LEFT | SS_NOPREFIX;

constexpr int optionCount = optWheel + 1;
constexpr int mouseLeft96 = 416; // the mouse control component, at the top right
constexpr int mouseTop96 = 8;
constexpr int secondsMaxChars = 3;
constexpr int timesMaxChars = 5;

win::Menu createMenuBar() {
    win::Menu bar(CreateMenu());
    win::Menu file(CreatePopupMenu());
    AppendMenuW(file.get(), MF_STRING, ids::mnuNew, L"&New");
    AppendMenuW(file.get(), MF_STRING, ids::mnuOpen, L"&Open");
    AppendMenuW(file.get(), MF_STRING | MF_GRAYED, ids::mnuRecover, L"&Recover unsaved list");
    AppendMenuW(file.get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuW(file.get(), MF_STRING, ids::mnuSave, L"&Save");
    AppendMenuW(file.get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuW(file.get(), MF_STRING, ids::mnuExit, L"E&xit");
    win::Menu options(CreatePopupMenu());
    AppendMenuW(options.get(), MF_STRING | MF_CHECKED, ids::mnuEnableF9, L"Enable F9 Shortcut");
    AppendMenuW(options.get(), MF_STRING, ids::mnuRecord, L"Record");
    AppendMenuW(options.get(), MF_STRING, ids::mnuRecordKeyboard, L"Record the keyboard");
    win::Menu speed(CreatePopupMenu());
    for (std::size_t i = 0; i < speedChoices().size(); ++i)
        AppendMenuW(speed.get(), MF_STRING, ids::mnuSpeed0 + i, win::toWide(speedChoices()[i].menuText).c_str());
    if (AppendMenuW(options.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(speed.get()), L"&Speed")) (void)speed.release();
    AppendMenuW(options.get(), MF_STRING, ids::mnuShortcutKeys, L"Shortcut keys...");
    // Appended popups belong to the bar from then on.
    if (AppendMenuW(bar.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(file.get()), L"File")) (void)file.release();
    FrmMacro::appendEditMenu(bar.get());
    if (AppendMenuW(bar.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(options.get()), L"&Options"))
        (void)options.release();
    return bar;
}

} // namespace

// In tab order. The frame's controls are placed on the window itself, so that every control
// reports to the window; Image1 and the mouse component take no focus and come last.
// The command list and the buttons that edit it.
std::vector<FormRow> FrmMacro::listRows() {
    const auto on = [this](void (FrmMacro::*handler)()) { return win::call(this, handler); };
    constexpr DWORD list = clip | WS_TABSTOP | WS_GROUP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_EXTENDEDSEL;
    // clang-format off
    return {
        {ids::lstCommand, L"LISTBOX", L"", list, WS_EX_CLIENTEDGE, {8, 8, 145, 171}},
        {ids::cmdAddCmd, L"BUTTON", L"Add command", buttonStyle, 0, {160, 8, 81, 33}, 0,
         on(&FrmMacro::cmdAddCmd_Click)},
        {ids::cmdInsert, L"BUTTON", L"Insert", buttonStyle, 0, {160, 45, 81, 25}, 0,
         on(&FrmMacro::cmdInsert_Click)},
        {ids::cmdRemoveCmd, L"BUTTON", L"Remove Command", buttonStyle, 0, {160, 74, 81, 33}, 0,
         on(&FrmMacro::cmdRemoveCmd_Click)},
        {ids::cmdMoveUp, L"BUTTON", L"Move up", buttonStyle, 0, {8, 184, 71, 23}, 0, [this] { moveSelected(false); }},
        {ids::cmdMoveDown, L"BUTTON", L"Move down", buttonStyle, 0, {82, 184, 71, 23}, 0,
         [this] { moveSelected(true); }},
    };
    // clang-format on
}

win::FormDesign FrmMacro::design() {
    const auto on = [this](void (FrmMacro::*handler)()) { return win::call(this, handler); };
    const auto option = [this](int index, const wchar_t* text, DWORD style, DesignRect rect) {
        const auto click = [this, index] { optionClicked(index); };
        return FormRow{ids::optionId(index), L"BUTTON", text, style, 0, rect, 0, click}.fits(Fit::Wider);
    };
    const auto box = [](int id, const wchar_t* text, DesignRect rect, int maxChars, std::function<void()> onChange,
                        DWORD style = editStyle) {
        FormRow row{id, L"EDIT", text, style, WS_EX_CLIENTEDGE, rect, 0, std::move(onChange)};
        row.maxChars = maxChars;
        return row;
    };
    constexpr int x = frameLeft;
    constexpr int y = frameTop;
    constexpr DWORD check = clip | WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX;
    constexpr DWORD picture = clip | WS_GROUP | SS_ICON | SS_NOTIFY | SS_REALSIZECONTROL;
    // clang-format off
    win::FormDesign made{
        {{L"MS Sans Serif", 825}},
        {
            {ids::Frame1, L"BUTTON", L"Move to", clip | WS_GROUP | BS_GROUPBOX, 0, {x, y, 169, 89}},
            box(ids::txtY, L"0", {x + 88, y + 32, 41, 19}, win::positionMaxChars, on(&FrmMacro::txtY_Change)).drives(txtY),
            box(ids::txtX, L"0", {x + 24, y + 32, 41, 19}, win::positionMaxChars, on(&FrmMacro::txtX_Change)).drives(txtX),
            {ids::Label2, L"STATIC", L"Y:", labelStyle, 0, {x + 72, y + 32, 13, 13}},
            {ids::Label1, L"STATIC", L"X:", labelStyle, 0, {x + 8, y + 32, 13, 13}},
            option(0, L"Left Click", WS_GROUP | optionStyle, {256, 16, 113, 17}),
            option(1, L"Right Click", optionStyle, {256, 32, 113, 17}),
            option(2, L"Left double click", optionStyle, {256, 48, 113, 17}),
            option(3, L"Right Double Click", optionStyle, {256, 64, 113, 17}),
            option(4, L"", optionStyle, {256, 80, 13, 17}),
            option(5, L"Wait (sec)", optionStyle, {256, 176, 113, 17}),
            box(ids::txtSleep, L"", {328, 176, 33, 19}, secondsMaxChars, on(&FrmMacro::txtSleep_Change))
                .drives(txtSleep),
            option(6, L"Repeat", WS_GROUP | optionStyle, {256, 198, 65, 17}),
            box(ids::txtTimes, L"", {328, 197, 33, 19}, timesMaxChars, on(&FrmMacro::txtTimes_Change),
                editStyle | ES_NUMBER).drives(txtTimes),
            FormRow{ids::lblTimes, L"STATIC", L"times", labelStyle, 0, {364, 200, 41, 13}}.fits(Fit::Wider),
            {ids::cmdRun, L"BUTTON", L"Run", buttonStyle, 0, {160, 168, 81, 41}, 0, on(&FrmMacro::cmdRun_Click)},
            {ids::lblRunStatus, L"STATIC", L"", labelStyle | SS_CENTER, 0, {160, 112, 81, 41}},
            FormRow{ids::ChkShowHelper, L"BUTTON", L"Show Helper", check, 0, {x + 16, y + 64, 129, 17}, 0,
                    on(&FrmMacro::ChkShowHelper_Click)}.drives(ChkShowHelper).fits(Fit::Wider),
            FormRow{ids::Image1, L"STATIC", L"", picture, 0, {x + 136, y + 32, 32, 32}, 0, on(&FrmMacro::Image1_Click)}
                .tip(L"Test position"),
        },
        on(&FrmMacro::laidOut),
    };
    // clang-format on
    // The list and its buttons come first in the tab order, the keyboard's frames before Run.
    std::vector<FormRow> listed = listRows();
    made.rows.insert(made.rows.begin(), std::make_move_iterator(listed.begin()), std::make_move_iterator(listed.end()));
    std::vector<FormRow> keyboard = keyboardRows();
    const auto run = std::find_if(made.rows.begin(), made.rows.end(), [](const FormRow& r) { return r.id == ids::cmdRun; });
    made.rows.insert(run, std::make_move_iterator(keyboard.begin()), std::make_move_iterator(keyboard.end()));
    return made;
}

FrmMacro::FrmMacro(MacroWindowDeps deps)
    : Cmdg(deps.dialogs), mtyMouse1(deps.mouse), deps_(std::move(deps)), decimalSeparator_(win::userDecimalSeparator()) {
    deps_.marker.setTarget(this);
}

FrmMacro::~FrmMacro() {
    deps_.marker.setTarget(nullptr);
    destroy();
}

void FrmMacro::show(int showCommand) {
    if (exists()) {
        ShowWindow(hwnd(), IsIconic(hwnd()) ? SW_RESTORE : SW_SHOW);
        SetForegroundWindow(hwnd());
        return;
    }
    win::initCommonControls(ICC_BAR_CLASSES | ICC_STANDARD_CLASSES);

    // Each opening starts afresh; a run's leftovers from the last opening do not carry over.
    ++opening_;
    list_ = CommandList();
    shown_.clear();
    changing_.reset();
    PendingCommand.clear();
    runStatus_.clear();
    StopMacro = false;
    Cmdg.FileName.clear();

    const DWORD style = WS_OVERLAPPEDWINDOW & ~WS_MAXIMIZEBOX;
    win::Menu menu = createMenuBar();
    CreateArgs args;
    args.title = caption;
    args.style = style;
    args.menu = menu.get();
    if (!create(ClassInfo{L"WanderpointMacro"}, args)) return;
    (void)menu.release(); // the window's now

    form_.attach(hwnd(), win::dpiOf(hwnd()));
    form_.sizeWindow({form_.dpi().scale(clientWidth96), form_.dpi().scale(clientHeight96)});
    form_.centre();

    createControls();
    Form_Load();
    ShowWindow(hwnd(), showCommand);
    UpdateWindow(hwnd());
    takeShortcutKeys();
}

HWND FrmMacro::control(int id) const {
    if (!exists()) return nullptr;
    // The form keeps its controls by id: asking the system is a round trip to the window server, and
    // the runner and Open look up a control for every entry.
    if (const HWND made = form_.control(id)) return made;
    return GetDlgItem(hwnd(), id);
}

void FrmMacro::createControls() {
    form_.create(design());
    // The wait box lies over the right end of its option and must take the clicks there; the
    // frame lies under what it holds. Tab order does not follow from this: see moveFocusInTabOrder.
    for (const int box : {ids::txtSleep, ids::txtTimes, ids::txtWheel})
        SetWindowPos(control(box), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (const int frame : {ids::Frame1, ids::FramePressKey, ids::FrameTypeText})
        SetWindowPos(control(frame), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    keyBox_.attach(control(ids::txtKey));
    const HANDLE picture = LoadImageW(win::appInstance(), MAKEINTRESOURCEW(IDC_TEST_POSITION), IMAGE_CURSOR, 0, 0,
                                      LR_DEFAULTSIZE | LR_SHARED);
    SendMessageW(control(ids::Image1), STM_SETIMAGE, IMAGE_CURSOR, reinterpret_cast<LPARAM>(picture));
    form_.onCommand(ids::mnuNew, [this] { mnuNew_Click(); });
    form_.onCommand(ids::mnuOpen, [this] { mnuOpen_Click(); });
    form_.onCommand(ids::mnuRecover, [this] { mnuRecover_Click(); });
    form_.onCommand(ids::mnuSave, [this] { mnuSave_Click(); });
    form_.onCommand(ids::mnuExit, [this] { mnuExit_Click(); });
    form_.onCommand(ids::mnuEnableF9, [this] { mnuEnableF9_Click(); });
    form_.onCommand(ids::mnuRecord, [this] { mnuRecord_Click(); });
    form_.onCommand(ids::mnuRecordKeyboard, [this] { mnuRecordKeyboard_Click(); });
    form_.onCommand(ids::mnuShortcutKeys, [this] { mnuShortcutKeys_Click(); });
    routeEditCommands();
    for (int i = 0; i < static_cast<int>(speedChoices().size()); ++i)
        form_.onCommand(ids::mnuSpeed0 + i, [this, i] { mnuSpeed_Click(i); });
    tmrCheckShortcuKey.attach(hwnd());
    mtyMouse1.create(hwnd(), ids::mtyMouse1, form_.dpi(), mouseLeft96, mouseTop96);
    form_.layout();
}

// The wait, times and wheel boxes stand after their option's text, which a wider font can push under
// them. The X and Y boxes show the widest coordinate whole; the window grows by what they need.
void FrmMacro::laidOut() {
    const int wider = win::growBoxesInRow({control(ids::txtX), control(ids::Label2), control(ids::txtY),
                                           control(ids::Image1)},
                                          win::widestPosition, control(ids::Frame1));
    form_.sizeWindow({form_.dpi().scale(clientWidth96) + wider, form_.dpi().scale(clientHeight96)});
    const auto afterText = [this](int optionIndex, std::initializer_list<int> following) {
        const HWND button = control(ids::optionId(optionIndex));
        RECT option{}, box{};
        GetWindowRect(button, &option);
        GetWindowRect(control(*following.begin()), &box);
        const int textEnd = option.left + win::widthForText(button, win::windowText(button));
        if (textEnd > box.left)
            for (const int id : following) win::shiftControl(control(id), textEnd - box.left, 0);
    };
    afterText(optWait, {ids::txtSleep});
    afterText(optRepeat, {ids::txtTimes, ids::lblTimes});
    afterText(optWheel, {ids::txtWheel, ids::lblNotches});
}

void FrmMacro::Form_Load() {
    if (const HICON icon = deps_.mainIcon ? deps_.mainIcon() : nullptr) {
        SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    F9Enabled = (GetMenuState(GetMenu(hwnd()), ids::mnuEnableF9, MF_BYCOMMAND) & MF_CHECKED) != 0;
    loadPlayback();
    tmrCheckShortcuKey.setInterval(shortcutPollMilliseconds);
    tmrCheckShortcuKey.setEnabled(true);
}

void FrmMacro::Form_Unload() {
    StopMacro = true;
    recording_.reset(); // what it has not settled goes with the list
    keepUnsaved();
    deps_.marker.close();
}

void FrmMacro::closeWindow() {
    Form_Unload();
    destroy();
}

void FrmMacro::mnuExit_Click() { closeWindow(); }

void FrmMacro::setX(const std::wstring& text) {
    if (exists()) txtX.setText(text);
}

void FrmMacro::setY(const std::wstring& text) {
    if (exists()) txtY.setText(text);
}

void FrmMacro::optCommands_Click(int index) {
    const std::string x = win::toUtf8(txtX.text());
    const std::string y = win::toUtf8(txtY.text());
    const std::string seconds = win::toUtf8(txtSleep.text());
    const std::string times = win::toUtf8(txtTimes.text());
    const std::string key = win::toUtf8(txtKey.text()), text = win::toUtf8(txtText.text());
    const std::string notches = win::toUtf8(txtWheel.text());
    // An empty key or text box composes nothing, and Add then adds nothing.
    const auto command = composeCommand(index, {x, y, seconds, key, text, times, notches}, decimalSeparator_);
    PendingCommand = command ? win::toWide(*command) : std::wstring();
}

// Typing into a box composes its option's command and selects the option.
void FrmMacro::boxChanged(int option) {
    optCommands_Click(option);
    selectOption(option);
}

void FrmMacro::txtX_Change() { boxChanged(optMove); }

void FrmMacro::txtY_Change() { boxChanged(optMove); }

void FrmMacro::txtSleep_Change() { boxChanged(optWait); }

void FrmMacro::txtTimes_Change() { boxChanged(optRepeat); }

int FrmMacro::selectedOption() const {
    for (int i = 0; i < optionCount; ++i)
        if (SendMessageW(control(ids::optionId(i)), BM_GETCHECK, 0, 0) == BST_CHECKED) return i;
    return -1;
}

// Selecting an option from code raises its click, as a user's click does, unless it was selected.
void FrmMacro::selectOption(int index) {
    if (selectedOption() == index) return;
    for (int i = 0; i < optionCount; ++i)
        SendMessageW(control(ids::optionId(i)), BM_SETCHECK, i == index ? BST_CHECKED : BST_UNCHECKED, 0);
    optCommands_Click(index);
}

void FrmMacro::ChkShowHelper_Click() {
    if (ChkShowHelper.checked()) {
        deps_.marker.show();
        RECT window{};
        GetWindowRect(hwnd(), &window);
        deps_.marker.moveTopLeft(window.left, window.top);
    } else {
        deps_.marker.hide();
    }
}

void FrmMacro::Image1_Click() {
    win::jumpPointerTo(deps_.pointer, txtX, txtY, decimalSeparator_);
}

void FrmMacro::mnuEnableF9_Click() {
    const HMENU menu = GetMenu(hwnd());
    const bool checked = !(GetMenuState(menu, ids::mnuEnableF9, MF_BYCOMMAND) & MF_CHECKED);
    CheckMenuItem(menu, ids::mnuEnableF9, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
    F9Enabled = checked;
    if (!takeShortcutKey(shortcutRun, shortcutKeys_.keys[shortcutRun]) && deps_.showMessage)
        deps_.showMessage(hwnd(), win::toWide(shortcutKeyText(shortcutKeys_.keys[shortcutRun])) +
                                      L" is held by another program: it runs no macro until that program lets it go.");
}

// A click on an option selects it alone, then runs its handler.
void FrmMacro::optionClicked(int index) {
    for (int i = 0; i < optionCount; ++i)
        SendMessageW(control(ids::optionId(i)), BM_SETCHECK, i == index ? BST_CHECKED : BST_UNCHECKED, 0);
    optCommands_Click(index);
}

LRESULT FrmMacro::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto handled = form_.handle(message, wParam, lParam)) return *handled;
    switch (message) {
    case WM_TIMER:
        if (wParam == shortcutTimerId) tmrCheckShortcuKey_Timer();
        return 0;
    case WM_HOTKEY:
        hotKeyPressed(static_cast<int>(wParam));
        return 0;
    case WM_INITMENUPOPUP:
        enableEditItems(reinterpret_cast<HMENU>(wParam));
        enableRecoverItem(reinterpret_cast<HMENU>(wParam));
        return 0;
    case WM_ENDSESSION:
        // Log off or shut down: the process ends without the window's closing.
        if (wParam) keepUnsaved();
        return 0;
    case WM_CLOSE:
        closeWindow();
        return 0;
    case WM_DESTROY:
        tmrCheckShortcuKey.setEnabled(false);
        for (win::HotKey& key : hotKeys_) key.release();
        recording_.reset();
        return 0;
    default:
        break;
    }
    return defaultProc(message, wParam, lParam);
}

} // namespace wp::macro
