#pragma once
// The configuration window: pick a version, see its stored folder, store a new one.

#include <windows.h>

#include <cstdint>

#include "Handles.h"
#include "RegistryApi.h"
#include "TDirectoryEdit.h"
#include "TLabel.h"
#include "TRxSpinEdit.h"

namespace ui {

class TApplication;

class TMainFrm {
  public:
    // Creates the window from its form resource, hidden.
    TMainFrm(TApplication& application, store::RegistryApi& registry);
    TMainFrm(const TMainFrm&) = delete;
    TMainFrm& operator=(const TMainFrm&) = delete;

    HWND Handle() const { return window_.get(); }
    void Show(int showCommand);
    void Close();
    // Keys the window answers itself before the dialog manager sees them.
    bool PreTranslateMessage(const MSG& message);

    // Event handlers.
    void FormActivate();
    void DataChange();
    void UstawBtnClick();
    void CloseBrnClick();

    TDirectoryEdit EdPath;
    TRxSpinEdit EdWersja;
    TLabel PathLbl;

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    INT_PTR OnInitDialog();
    void OnActivate(WORD state);
    void OnCommand(WORD id, WORD code);
    void OnNcDestroy();

    void RefreshData();
    void ApplyLayout(int dpi);
    void TrimSystemMenu();
    bool HandleAccelerator(const MSG& message);
    void Guarded(void (TMainFrm::*handler)());

    TApplication& application_;
    store::RegistryApi& registry_;
    UniqueWindow window_;
    UniqueFont boldFont_;
    bool activated_ = false;
};

}  // namespace ui
