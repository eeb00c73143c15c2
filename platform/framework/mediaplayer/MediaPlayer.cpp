#include "platform/framework/mediaplayer/MediaPlayer.h"

#include <algorithm>

#include "platform/framework/Exception.h"
#include "platform/framework/controls/ClassicPainter.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/SysColors.h"
#include "platform/media/Mci.h"
#include "platform/media/MciCommands.h"
#include "platform/media/MciParms.h"
#include "platform/user/Messages.h"

namespace framework {

namespace {

constexpr int kButtonWidth = 29;

win::COLORREF GlyphColour(TMPBtnType button, bool enabled) {
    if (!enabled) return win::GetSysColor(win::COLOR_BTNSHADOW);
    return button == btRecord ? 0x0000C0 : win::GetSysColor(win::COLOR_BTNTEXT);
}

// A triangle pointing right (or left) with its tip at x, `half` pixels high on each side of y.
void Triangle(win::HDC dc, int x, int y, int half, bool right, win::COLORREF colour) {
    for (int i = 0; i <= half; ++i) {
        const int column = right ? x - i : x + i;
        gdi::Line(dc, column, y - i, column, y + i + 1, colour);
    }
}

void Bar(win::HDC dc, int left, int top, int right, int bottom, win::COLORREF colour) {
    gdi::FillSolid(dc, win::RECT{left, top, right, bottom}, colour);
}

void Glyph(win::HDC dc, TMPBtnType button, int cx, int cy, win::COLORREF c) {
    switch (button) {
        case btPlay:
            Triangle(dc, cx + 3, cy, 4, true, c);
            break;
        case btPause:
            Bar(dc, cx - 3, cy - 4, cx - 1, cy + 5, c);
            Bar(dc, cx + 1, cy - 4, cx + 3, cy + 5, c);
            break;
        case btStop:
            Bar(dc, cx - 3, cy - 3, cx + 4, cy + 4, c);
            break;
        case btNext:
            Triangle(dc, cx + 1, cy, 4, true, c);
            Bar(dc, cx + 2, cy - 4, cx + 4, cy + 5, c);
            break;
        case btPrev:
            Bar(dc, cx - 4, cy - 4, cx - 2, cy + 5, c);
            Triangle(dc, cx - 1, cy, 4, false, c);
            break;
        case btStep:
            Triangle(dc, cx, cy, 3, true, c);
            Triangle(dc, cx + 4, cy, 3, true, c);
            break;
        case btBack:
            Triangle(dc, cx - 4, cy, 3, false, c);
            Triangle(dc, cx, cy, 3, false, c);
            break;
        case btRecord:
            for (int dy = -3; dy <= 3; ++dy) {
                const int half = dy == -3 || dy == 3 ? 1 : dy == -2 || dy == 2 ? 2 : 3;
                gdi::Line(dc, cx - half, cy + dy, cx + half + 1, cy + dy, c);
            }
            break;
        case btEject:
            for (int i = 0; i < 4; ++i) gdi::Line(dc, cx - i, cy - 3 + i, cx + i + 1, cy - 3 + i, c);
            Bar(dc, cx - 3, cy + 2, cx + 4, cy + 4, c);
            break;
    }
}

}  // namespace

TMediaPlayer::TMediaPlayer(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 9 * kButtonWidth, 30); }

TMediaPlayer::~TMediaPlayer() {
    if (device_) {
        win::MCI_GENERIC_PARMS parms;
        win::mciSendCommand(device_, win::MCI_CLOSE, win::MCI_WAIT, reinterpret_cast<win::DWORD_PTR>(&parms));
    }
}

void TMediaPlayer::Check(win::MCIERROR error) const {
    if (error == 0) return;
    char text[256] = {};
    if (!win::mciGetErrorString(error, text, sizeof text)) return;
    throw Exception(text);
}

void TMediaPlayer::RequireOpen() const {
    if (!device_) throw Exception("The media device is not open");
}

void TMediaPlayer::SetTimeFormat(TMPTimeFormats format) {
    timeFormat_ = format;
    if (!device_) return;
    win::MCI_SET_PARMS parms;
    parms.dwTimeFormat = win::MCI_FORMAT_MILLISECONDS;
    Check(win::mciSendCommand(device_, win::MCI_SET, win::MCI_SET_TIME_FORMAT | win::MCI_WAIT,
                              reinterpret_cast<win::DWORD_PTR>(&parms)));
}

void TMediaPlayer::SetEnabledButtons(TMPBtnTypes buttons) {
    if (buttons == enabledButtons_) return;
    enabledButtons_ = buttons;
    Invalidate();
}

void TMediaPlayer::SetVisibleButtons(TMPBtnTypes buttons) {
    if (buttons == visibleButtons_) return;
    visibleButtons_ = buttons;
    Invalidate();
}

void TMediaPlayer::Open() {
    if (device_) Close();
    win::MCI_OPEN_PARMS parms;
    parms.lpstrElementName = fileName_.c_str();
    win::DWORD_PTR flags = win::MCI_OPEN_ELEMENT | win::MCI_WAIT;
    if (deviceType_ != dtAutoSelect) {
        parms.lpstrDeviceType = reinterpret_cast<win::LPCSTR>(static_cast<std::uintptr_t>(
            deviceType_ == dtWaveAudio ? win::MCI_DEVTYPE_WAVEFORM_AUDIO : win::MCI_DEVTYPE_CD_AUDIO));
        flags |= win::MCI_OPEN_TYPE | win::MCI_OPEN_TYPE_ID;
    }
    Check(win::mciSendCommand(0, win::MCI_OPEN, flags, reinterpret_cast<win::DWORD_PTR>(&parms)));
    device_ = parms.wDeviceID;
    SetTimeFormat(timeFormat_);
    if (autoEnable_) SetEnabledButtons(kAllMPButtons);
}

void TMediaPlayer::Close() {
    if (!device_) return;
    win::MCI_GENERIC_PARMS parms;
    const win::MCIDEVICEID device = device_;
    device_ = 0;
    Check(win::mciSendCommand(device, win::MCI_CLOSE, win::MCI_WAIT, reinterpret_cast<win::DWORD_PTR>(&parms)));
}

void TMediaPlayer::SetStartPos(unsigned position) {
    startPos_ = position;
    startPosSet_ = true;
}

void TMediaPlayer::Play() {
    RequireOpen();
    win::MCI_PLAY_PARMS parms;
    win::DWORD_PTR flags = 0;
    if (startPosSet_) {
        parms.dwFrom = startPos_;
        flags |= win::MCI_FROM;
        startPosSet_ = false;
    }
    Check(win::mciSendCommand(device_, win::MCI_PLAY, flags, reinterpret_cast<win::DWORD_PTR>(&parms)));
}

void TMediaPlayer::StartRecording() {
    RequireOpen();
    win::MCI_RECORD_PARMS parms;
    win::DWORD_PTR flags = 0;
    if (startPosSet_) {
        parms.dwFrom = startPos_;
        flags |= win::MCI_FROM;
        startPosSet_ = false;
    }
    Check(win::mciSendCommand(device_, win::MCI_RECORD, flags, reinterpret_cast<win::DWORD_PTR>(&parms)));
}

void TMediaPlayer::Stop() {
    RequireOpen();
    win::MCI_GENERIC_PARMS parms;
    Check(win::mciSendCommand(device_, win::MCI_STOP, win::MCI_WAIT, reinterpret_cast<win::DWORD_PTR>(&parms)));
}

void TMediaPlayer::Pause() { Stop(); }

void TMediaPlayer::Seek(unsigned flags, unsigned to) {
    RequireOpen();
    win::MCI_SEEK_PARMS parms;
    parms.dwTo = to;
    Check(win::mciSendCommand(device_, win::MCI_SEEK, flags | win::MCI_WAIT, reinterpret_cast<win::DWORD_PTR>(&parms)));
}

void TMediaPlayer::Next() { Seek(win::MCI_SEEK_TO_END, 0); }

void TMediaPlayer::Previous() { Seek(win::MCI_SEEK_TO_START, 0); }

void TMediaPlayer::Step() { Seek(win::MCI_TO, std::min(Length(), Position() + Length() / 10)); }

void TMediaPlayer::Back() {
    const unsigned position = Position();
    const unsigned step = Length() / 10;
    Seek(win::MCI_TO, position > step ? position - step : 0);
}

void TMediaPlayer::Save() {
    RequireOpen();
    win::MCI_SAVE_PARMS parms;
    parms.lpfilename = fileName_.c_str();
    Check(win::mciSendCommand(device_, win::MCI_SAVE, win::MCI_SAVE_FILE | win::MCI_WAIT,
                              reinterpret_cast<win::DWORD_PTR>(&parms)));
}

unsigned TMediaPlayer::Status(unsigned item) {
    RequireOpen();
    win::MCI_STATUS_PARMS parms;
    parms.dwItem = item;
    Check(win::mciSendCommand(device_, win::MCI_STATUS, win::MCI_STATUS_ITEM | win::MCI_WAIT,
                              reinterpret_cast<win::DWORD_PTR>(&parms)));
    return static_cast<unsigned>(parms.dwReturn);
}

unsigned TMediaPlayer::Length() { return Status(win::MCI_STATUS_LENGTH); }

unsigned TMediaPlayer::Position() { return Status(win::MCI_STATUS_POSITION); }

TMPModes TMediaPlayer::Mode() {
    const unsigned mode = Status(win::MCI_STATUS_MODE);
    if (mode < win::MCI_MODE_NOT_READY || mode > win::MCI_MODE_OPEN) return mpNotReady;
    return static_cast<TMPModes>(mode - win::MCI_MODE_NOT_READY);
}

int TMediaPlayer::VisibleCount() const {
    int count = 0;
    for (int b = btPlay; b <= btEject; ++b)
        if (visibleButtons_ & MPButton(static_cast<TMPBtnType>(b))) ++count;
    return count;
}

int TMediaPlayer::ButtonAt(int x) const {
    const int count = VisibleCount();
    if (count == 0 || x < 0) return -1;
    const int width = std::max(1, ClientWidth() / count);
    int slot = x / width;
    for (int b = btPlay; b <= btEject; ++b) {
        if (!(visibleButtons_ & MPButton(static_cast<TMPBtnType>(b)))) continue;
        if (slot-- == 0) return b;
    }
    return -1;
}

void TMediaPlayer::ButtonPressed(TMPBtnType button) {
    bool doDefault = true;
    if (OnClick) OnClick(this, button, doDefault);
    if (!doDefault) return;
    switch (button) {
        case btPlay:
            Play();
            break;
        case btPause:
            Pause();
            break;
        case btStop:
            Stop();
            break;
        case btNext:
            Next();
            break;
        case btPrev:
            Previous();
            break;
        case btStep:
            Step();
            break;
        case btBack:
            Back();
            break;
        case btRecord:
            StartRecording();
            break;
        case btEject:
            break;
    }
}

void TMediaPlayer::WndProc(TMessage& message) {
    switch (message.Msg) {
        case win::WM_LBUTTONDOWN:
        case win::WM_LBUTTONDBLCLK: {
            const int button = ButtonAt(win::GET_X_LPARAM(message.LParam));
            if (Enabled() && button >= 0 && (enabledButtons_ & MPButton(static_cast<TMPBtnType>(button)))) {
                pressedButton_ = button;
                Invalidate();
            }
            break;
        }
        case win::WM_LBUTTONUP:
            if (pressedButton_ >= 0) {
                const auto button = static_cast<TMPBtnType>(pressedButton_);
                pressedButton_ = -1;
                Invalidate();
                if (ButtonAt(win::GET_X_LPARAM(message.LParam)) == button) ButtonPressed(button);
            }
            break;
        default:
            break;
    }
    TWinControl::WndProc(message);
}

void TMediaPlayer::Paint() {
    const win::HDC dc = Canvas().Handle();
    const win::RECT client = ClientRect();
    Canvas().FillRect(client);
    const int count = VisibleCount();
    if (count == 0) return;
    const int width = client.right / count;
    int x = 0;
    for (int b = btPlay; b <= btEject; ++b) {
        const auto button = static_cast<TMPBtnType>(b);
        if (!(visibleButtons_ & MPButton(button))) continue;
        classic::State state;
        state.pressed = pressedButton_ == b;
        state.enabled = Enabled() && (enabledButtons_ & MPButton(button));
        const win::RECT r{x, 0, x + width, client.bottom};
        classic::PushButton(dc, r, state);
        const int shift = state.pressed ? 1 : 0;
        if (!state.enabled)
            Glyph(dc, button, (r.left + r.right) / 2 + 1, client.bottom / 2 + 1,
                  win::GetSysColor(win::COLOR_BTNHIGHLIGHT));
        Glyph(dc, button, (r.left + r.right) / 2 + shift, client.bottom / 2 + shift,
              GlyphColour(button, state.enabled));
        x += width;
    }
}

}  // namespace framework
