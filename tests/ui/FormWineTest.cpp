// The configuration window in this process under Wine, driven by real keyboard input, with
// the prefix's real registry behind a recording registry.

#include <gtest/gtest.h>

#include <algorithm>

#include "FormHarness.h"
#include "FormLayout.h"
#include "MemoryRegistry.h"
#include "Resource.h"
#include "StoreCases.h"
#include "WindowText.h"

namespace {

using testing_support::ErrorBoxWatcher;
using testing_support::FormHarness;
using testing_support::Sz;

const std::string kKey = "Software\\Vorlen\\Bremolta\\";

// Registry reads (opens for reading) and writes (creates) recorded so far, by version.
int Count(const FormHarness& harness, const std::string& verb, const std::string& version) {
    const std::string prefix = verb + " HKLM\\" + kKey + version + " ";
    return static_cast<int>(
        std::count_if(harness.recording->calls.begin(), harness.recording->calls.end(),
                      [&](const std::string& call) { return call.rfind(prefix, 0) == 0; }));
}
int Reads(const FormHarness& h, const std::string& v) { return Count(h, "open", v); }
int Writes(const FormHarness& h, const std::string& v) { return Count(h, "create", v); }

std::string Stored(FormHarness& harness, const std::string& version) {
    const auto value = harness.registry.GetValue(kKey + version, "Sciezka");
    return value ? std::string(value->data.begin(), value->data.end()) : "<none>";
}

RECT ClientRectOf(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

TEST(Form, CodePageIs1250) { ASSERT_EQ(GetACP(), 1250u) << "run with LC_ALL=pl_PL.UTF-8"; }

TEST(Form, LayoutAt96Dpi) {
    FormHarness harness;
    harness.Start();
    HWND form = harness.form_->Handle();
    ASSERT_EQ(GetDeviceCaps(GetDC(nullptr), LOGPIXELSY), 96);

    RECT client;
    GetClientRect(form, &client);
    EXPECT_EQ(client.right, 548);
    EXPECT_EQ(client.bottom, 124);
    RECT outer;
    GetWindowRect(form, &outer);
    EXPECT_EQ(outer.left, 158);
    EXPECT_EQ(outer.top, 274);

    for (const auto& control : ui::layout::kControls) {
        const auto expected = ui::layout::PlaceInForm(control, 96);
        const RECT rect = ClientRectOf(harness.Control(control.id));
        EXPECT_EQ(rect.left, expected.left) << control.id;
        EXPECT_EQ(rect.top, expected.top) << control.id;
        EXPECT_EQ(rect.bottom - rect.top, expected.height) << control.id;
        const bool autoSized = control.id == IDC_PATHLBL || control.id == IDC_LABEL4;
        if (!autoSized) {
            EXPECT_EQ(rect.right - rect.left, expected.width) << control.id;
        }
    }
    // The path label sizes itself to its text: empty after reading nothing.
    const RECT label = ClientRectOf(harness.Control(IDC_PATHLBL));
    EXPECT_EQ(label.right - label.left, 0);
}

TEST(Form, FrameAndOwner) {
    FormHarness harness;
    harness.Start();
    HWND form = harness.form_->Handle();
    const LONG style = GetWindowLongA(form, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(GetWindowLongA(form, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);  // no icon
    HMENU menu = GetSystemMenu(form, FALSE);
    EXPECT_NE(GetMenuState(menu, SC_MOVE, MF_BYCOMMAND), 0xFFFFFFFFu);
    EXPECT_NE(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND), 0xFFFFFFFFu);
    for (const UINT gone : {SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE}) {
        EXPECT_EQ(GetMenuState(menu, gone, MF_BYCOMMAND), 0xFFFFFFFFu) << gone;
    }
    // The application's window carries the title and owns the form.
    EXPECT_EQ(GetWindow(form, GW_OWNER), harness.application->Handle());
    EXPECT_EQ(ui::WindowText(harness.application->Handle()), "Orvedan");
    EXPECT_NE(GetClassLongPtrA(harness.application->Handle(), GCLP_HICON), 0);
}

TEST(Form, PolishTextsInCodePage1250) {
    FormHarness harness;
    harness.Start();
    EXPECT_EQ(ui::WindowText(harness.form_->Handle()), "Bremolta - konfiguracja");
    EXPECT_EQ(harness.Text(IDC_GROUPBOX1),
              "Ustawianie \x9C"
              "cie\xBFki dla programu Bremolta");
    EXPECT_EQ(harness.Text(IDC_LABEL3),
              "\x8C"
              "cie\xBFka");
    EXPECT_EQ(harness.Text(IDC_LABEL1), "Wersja programu");
    EXPECT_EQ(harness.Text(IDC_LABEL4),
              "Przyk\xB3"
              "ad: \\\\SERWER\\C\\Bremolta\\       SERWER - nazwa komutera "
              "pe\xB3ni\xB9"
              "cego rol\xEA serwera");
    EXPECT_EQ(harness.Text(IDC_USTAWBTN), "&Ustaw");
    EXPECT_EQ(harness.Text(IDC_CLOSEBRN), "&Zamknij");
    // The bold label's font: bold, Central European.
    LOGFONTA font{};
    GetObjectA(
        reinterpret_cast<HFONT>(SendMessageA(harness.Control(IDC_PATHLBL), WM_GETFONT, 0, 0)),
        sizeof font, &font);
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_EQ(font.lfCharSet, EASTEUROPE_CHARSET);
    EXPECT_EQ(font.lfHeight, -11);
}

TEST(Form, DesignContentsUntilFirstActivation) {
    FormHarness harness;
    harness.form_ = std::make_unique<ui::TMainFrm>(*harness.application, *harness.recording);
    harness.WaitFor([] { return true; });
    EXPECT_EQ(harness.Text(IDC_EDWERSJA), "5");
    EXPECT_EQ(harness.Text(IDC_EDPATH), "");
    EXPECT_EQ(harness.Text(IDC_PATHLBL), "PathLbl");
    EXPECT_TRUE(harness.recording->calls.empty()) << "no read before the first activation";
}

TEST(Form, StartWithoutKeysShowsNothing) {
    FormHarness harness;
    harness.Start();
    EXPECT_EQ(harness.Text(IDC_EDWERSJA), "5");
    EXPECT_EQ(harness.Text(IDC_EDPATH), "");
    EXPECT_EQ(harness.Text(IDC_PATHLBL), "");
    EXPECT_EQ(Reads(harness, "5"), 2);
    EXPECT_EQ(harness.recording->calls.size(), 2u);
}

TEST(Form, StartShowsStoredPathWithBackslashAndFocusInFolderField) {
    FormHarness harness;
    harness.registry.PutValue(kKey + "5", "Sciezka", Sz(std::string("D:\\Program", 11)));
    harness.Start();
    EXPECT_EQ(harness.Text(IDC_EDPATH), "D:\\Program\\");
    EXPECT_EQ(harness.Text(IDC_PATHLBL), "D:\\Program\\");
    EXPECT_EQ(Reads(harness, "5"), 2);
    EXPECT_EQ(harness.Focus(), harness.Control(IDC_EDPATH));
    DWORD start = 1, end = 0;
    SendMessageA(harness.Control(IDC_EDPATH), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 11u) << "the whole text is selected";
}

TEST(Form, EachVersionEditRereadsBothDisplays) {
    FormHarness harness;
    harness.registry.PutValue(kKey + "6", "Sciezka", Sz(std::string("E:\\Sz\\", 7)));
    harness.Start();
    harness.Type("D:\\Typed");  // into the folder field
    harness.Press(VK_TAB);      // to the version field, its text selected
    EXPECT_EQ(harness.Focus(), harness.Control(IDC_EDWERSJA));
    harness.Type("6");
    ASSERT_EQ(harness.Text(IDC_EDWERSJA), "6");
    EXPECT_EQ(harness.Text(IDC_EDPATH), "E:\\Sz\\") << "the typed path is replaced";
    EXPECT_EQ(harness.Text(IDC_PATHLBL), "E:\\Sz\\");
    EXPECT_EQ(Reads(harness, "6"), 2);
    harness.Type("1");
    EXPECT_EQ(Reads(harness, "61"), 2);
    EXPECT_EQ(harness.Text(IDC_EDPATH), "");
    EXPECT_EQ(harness.Text(IDC_PATHLBL), "");
}

TEST(Form, AltUStoresTypedPathWithBackslashWithoutMovingFocus) {
    FormHarness harness;
    harness.Start();
    harness.Type("D:\\Dane");
    const size_t before = harness.recording->calls.size();
    harness.Press('U', {VK_MENU});
    EXPECT_EQ(Stored(harness, "5"), std::string("D:\\Dane\\", 9));
    EXPECT_EQ(harness.Text(IDC_EDPATH), "D:\\Dane\\");
    EXPECT_EQ(harness.Text(IDC_PATHLBL), "D:\\Dane\\");
    EXPECT_EQ(harness.Focus(), harness.Control(IDC_EDPATH));
    // One write, then the refresh's two reads.
    const std::vector<std::string> after(harness.recording->calls.begin() + before,
                                         harness.recording->calls.end());
    ASSERT_FALSE(after.empty());
    EXPECT_EQ(after.front(), "create HKLM\\" + kKey + "5 F003F");
    EXPECT_EQ(Writes(harness, "5"), 1);
    EXPECT_EQ(Reads(harness, "5"), 4);
}

TEST(Form, EmptiedVersionFieldReadsAndStoresVersion3) {
    FormHarness harness;
    harness.registry.PutValue(kKey + "3", "Sciezka", Sz(std::string("C:\\Trzy", 8)));
    harness.Start();
    harness.Press(VK_TAB);
    harness.Press(VK_BACK);
    EXPECT_EQ(harness.Text(IDC_EDWERSJA), "");
    EXPECT_EQ(harness.Text(IDC_EDPATH), "C:\\Trzy\\");
    EXPECT_EQ(harness.Text(IDC_PATHLBL), "C:\\Trzy\\");
    harness.Press('U', {VK_MENU});
    EXPECT_EQ(Writes(harness, "3"), 1);
    EXPECT_EQ(Stored(harness, "3"), std::string("C:\\Trzy\\", 9));
    EXPECT_EQ(harness.Text(IDC_EDWERSJA), "") << "an accelerator leaves nothing";
}

TEST(Form, TwelveTypedAndAltUStoresUnder12) {
    FormHarness harness;
    harness.Start();
    harness.Press(VK_TAB);
    harness.Type("12");  // each keystroke re-reads: version 12 has no path, the field empties
    harness.Press('U', {VK_MENU});
    EXPECT_EQ(harness.Text(IDC_EDWERSJA), "12") << "an accelerator leaves nothing";
    EXPECT_EQ(Stored(harness, "12"), std::string("\\", 2));
    EXPECT_EQ(Writes(harness, "9"), 0);
}

TEST(Form, LeavingTheVersionFieldClampsItOnce) {
    FormHarness harness;
    harness.registry.PutValue(kKey + "9", "Sciezka", Sz(std::string("D:\\Dziewiec", 12)));
    harness.Start();
    harness.Press(VK_TAB);
    harness.Type("12");
    ASSERT_EQ(Reads(harness, "9"), 0);
    harness.Press(VK_TAB);
    EXPECT_EQ(harness.Text(IDC_EDWERSJA), "9");
    EXPECT_EQ(Reads(harness, "9"), 2) << "one change event for the replacement";
    EXPECT_EQ(harness.Text(IDC_EDPATH), "D:\\Dziewiec\\");
    // In range in another form stays as it is.
    harness.Press(VK_TAB, {VK_SHIFT});
    harness.Type("007");
    harness.Press(VK_TAB);
    EXPECT_EQ(harness.Text(IDC_EDWERSJA), "007");
}

TEST(Form, ClickOnSetFirstClampsTheVersionAndStoresItsReloadedPath) {
    FormHarness harness;
    harness.registry.PutValue(kKey + "9", "Sciezka", Sz(std::string("D:\\Dziewiec", 12)));
    harness.Start();
    harness.Press(VK_TAB);
    harness.Type("12");
    ASSERT_EQ(harness.Text(IDC_EDWERSJA), "12");
    harness.Click(harness.Control(IDC_USTAWBTN));
    EXPECT_EQ(harness.Focus(), harness.Control(IDC_USTAWBTN));
    EXPECT_EQ(harness.Text(IDC_EDWERSJA), "9");
    EXPECT_EQ(Writes(harness, "9"), 1);
    EXPECT_EQ(Writes(harness, "12"), 0);
    // Version 9's path, reloaded by the clamp, stored back in normal form.
    EXPECT_EQ(Stored(harness, "9"), std::string("D:\\Dziewiec\\", 13));
}

TEST(Form, TabCyclesBothWays) {
    FormHarness harness;
    harness.Start();
    const int order[] = {IDC_EDPATH, IDC_EDWERSJA, IDC_USTAWBTN, IDC_CLOSEBRN, IDC_EDPATH};
    for (int i = 1; i < 5; ++i) {
        harness.Press(VK_TAB);
        EXPECT_EQ(harness.Focus(), harness.Control(order[i])) << i;
    }
    for (int i = 3; i >= 0; --i) {
        harness.Press(VK_TAB, {VK_SHIFT});
        EXPECT_EQ(harness.Focus(), harness.Control(order[i])) << i;
    }
}

TEST(Form, EnterAndEscapeInFieldsDoNothing) {
    FormHarness harness;
    harness.Start();
    harness.Type("D:\\A");
    harness.Press(VK_RETURN);
    harness.Press(VK_ESCAPE);
    harness.Press(VK_TAB);
    harness.Press(VK_RETURN);
    harness.Press(VK_ESCAPE);
    EXPECT_TRUE(harness.FormAlive());
    EXPECT_TRUE(IsWindowVisible(harness.form_->Handle()));
    EXPECT_EQ(harness.Text(IDC_EDPATH), "D:\\A");
    EXPECT_EQ(Writes(harness, "5"), 0);
}

TEST(Form, KeysOnAFocusedButtonPressIt) {
    FormHarness harness;
    harness.Start();
    harness.Press(VK_TAB);
    harness.Press(VK_TAB);  // "&Ustaw"
    ASSERT_EQ(harness.Focus(), harness.Control(IDC_USTAWBTN));
    harness.Press(VK_RETURN);
    EXPECT_EQ(Writes(harness, "5"), 1);
    harness.Press(VK_SPACE);
    EXPECT_EQ(Writes(harness, "5"), 2);
    harness.Press(VK_TAB);  // "&Zamknij"; U alone presses "&Ustaw" and the focus stays
    harness.Press('U');
    EXPECT_EQ(Writes(harness, "5"), 3);
    EXPECT_EQ(harness.Focus(), harness.Control(IDC_CLOSEBRN));
    EXPECT_TRUE(harness.FormAlive());
}

struct CloseCase {
    const char* name;
    std::function<void(FormHarness&)> close;
};

class FormClosing : public testing::TestWithParam<CloseCase> {};

TEST_P(FormClosing, EndsTheFormWithNothingAsked) {
    FormHarness harness;
    harness.Start();
    GetParam().close(harness);
    EXPECT_TRUE(harness.WaitFor([&] { return !harness.FormAlive(); }));
    EXPECT_EQ(Writes(harness, "5"), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, FormClosing,
    testing::Values(CloseCase{"AltZ", [](FormHarness& h) { h.Press('Z', {VK_MENU}); }},
                    CloseCase{"AltF4", [](FormHarness& h) { h.Press(VK_F4, {VK_MENU}); }},
                    CloseCase{"ZOnAButton",
                              [](FormHarness& h) {
                                  h.Press(VK_TAB);
                                  h.Press(VK_TAB);
                                  h.Press('Z');
                              }},
                    CloseCase{"CloseButtonOfTheTitleBar",
                              [](FormHarness& h) {
                                  PostMessageA(h.form_->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
                              }},
                    CloseCase{"TaskbarMenu",
                              [](FormHarness& h) {
                                  PostMessageA(h.application->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
                              }}),
    [](const testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.name); });

TEST(FormErrors, DwordValueAtStartShowsTheErrorBox) {
    FormHarness harness;
    harness.registry.PutValue(kKey + "5", "Sciezka",
                              testing_support::Typed(REG_DWORD, std::string("\5\0\0\0", 4)));
    ErrorBoxWatcher box;
    harness.Start();
    ASSERT_TRUE(box.Join());
    EXPECT_EQ(box.text, "Invalid data type for 'Sciezka'");
    EXPECT_EQ(box.caption, "Orvedan");
    EXPECT_TRUE(box.hasIcon);
    EXPECT_EQ(box.buttons, 1);
    EXPECT_TRUE(box.ownerDisabled);
    harness.Settle();
    EXPECT_EQ(harness.Text(IDC_EDPATH), "");
    EXPECT_EQ(harness.Text(IDC_PATHLBL), "PathLbl");
    EXPECT_EQ(Reads(harness, "5"), 1) << "the box closing is no new activation";
    EXPECT_TRUE(IsWindowEnabled(harness.form_->Handle()));
}

TEST(FormErrors, FailedWriteAfterOpenShowsTheErrorAndKeepsTheText) {
    testing_support::MemoryRegistry memory;
    memory.FailSets(true);
    FormHarness harness(memory);
    harness.Start();
    harness.Type("D:\\Moje");
    ErrorBoxWatcher box;
    harness.Press('U', {VK_MENU});
    ASSERT_TRUE(box.Join());
    EXPECT_EQ(box.text, "Failed to set data for 'Sciezka'");
    harness.Settle();
    EXPECT_EQ(harness.Text(IDC_EDPATH), "D:\\Moje");
    EXPECT_EQ(Reads(harness, "5"), 2) << "no refresh after the failed write";
}

TEST(FormErrors, KeyThatMayNotBeWrittenShowsPathAndRefusesSetLoudly) {
    FormHarness harness;
    harness.registry.PutValue(kKey + "5", "Sciezka", Sz(std::string("D:\\Stara\\", 10)));
    harness.registry.AllowReadOnly(kKey + "5");
    harness.Start();
    EXPECT_EQ(harness.Text(IDC_EDPATH), "D:\\Stara\\");
    EXPECT_EQ(harness.Text(IDC_PATHLBL), "D:\\Stara\\");
    harness.Type("D:\\Nowa");
    ErrorBoxWatcher box;
    harness.Press('U', {VK_MENU});
    ASSERT_TRUE(box.Join());
    EXPECT_EQ(box.text,
              "Nie mo\xBFna zapisa\xE6 \x9C"
              "cie\xBFki w rejestrze: brak dost\xEApu do klucza "
              "HKEY_LOCAL_MACHINE\\Software\\Vorlen\\Bremolta\\5. Uruchom program jako "
              "administrator.");
    EXPECT_EQ(box.caption, "Orvedan");
    harness.Settle();
    EXPECT_EQ(harness.Text(IDC_EDPATH), "D:\\Nowa") << "the user's text is kept";
    EXPECT_EQ(harness.Text(IDC_PATHLBL), "D:\\Stara\\");
    EXPECT_EQ(Stored(harness, "5"), std::string("D:\\Stara\\", 10));
}

}  // namespace
