#include "ChineseFonts.h"

#include "Resources.h"
#include "ScreenDpi.h"

#include <cmath>
#include <string_view>

namespace xiangqi::win32 {

namespace {
// The family of ui/fonts/song.ttf, a cut of AR PL UMing CN.
constexpr wchar_t kOwnSongFamily[] = L"AR PL UMing CN";
constexpr wchar_t kTahoma[] = L"Tahoma";

int CALLBACK stopAtFirst(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

// Whether a font of that family can be had, under its English or its Chinese name.
bool isInstalled(std::wstring_view family) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    family.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    const HDC screen = ::GetDC(nullptr);
    ::EnumFontFamiliesExW(screen, &wanted, &stopAtFirst, reinterpret_cast<LPARAM>(&found), 0);
    ::ReleaseDC(nullptr, screen);
    return found;
}

GdiObject<HFONT> createFont(const std::wstring& family, double points, int dpi, BYTE charset) {
    LOGFONTW font{};
    font.lfHeight = -static_cast<LONG>(std::lround(points * dpi / 72));
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = charset;
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    family.copy(font.lfFaceName, LF_FACESIZE - 1);
    return GdiObject<HFONT>(::CreateFontIndirectW(&font));
}
} // namespace

ChineseFonts::ChineseFonts(HINSTANCE instance) {
    for (const wchar_t* song : {L"SimSun", L"宋体"})
        if (songFamily_.empty() && isInstalled(song))
            songFamily_ = song;
    if (songFamily_.empty()) {
        registerOwn(instance, IDR_FONT_SONG);
        songFamily_ = kOwnSongFamily;
    }
    if (!isInstalled(kTahoma))
        registerOwn(instance, IDR_FONT_TAHOMA);
}

ChineseFonts::~ChineseFonts() {
    for (const HANDLE font : registered_)
        ::RemoveFontMemResourceEx(font);
}

// A font the program carries is registered from its resource, which stays mapped in memory.
void ChineseFonts::registerOwn(HINSTANCE instance, int resource) {
    const HRSRC found = ::FindResourceW(instance, MAKEINTRESOURCEW(resource), RT_RCDATA);
    const HGLOBAL loaded = found ? ::LoadResource(instance, found) : nullptr;
    DWORD fonts = 0;
    if (const HANDLE font =
            loaded ? ::AddFontMemResourceEx(::LockResource(loaded),
                                            ::SizeofResource(instance, found), nullptr, &fonts)
                   : nullptr)
        registered_.push_back(font);
}

GdiObject<HFONT> ChineseFonts::messageFont(int dpi) {
    const LOGFONTW font = dpi::messageFont(dpi);
    return GdiObject<HFONT>(::CreateFontIndirectW(&font));
}

GdiObject<HFONT> ChineseFonts::song(double points, int dpi) const {
    return createFont(songFamily_, points, dpi, GB2312_CHARSET);
}

GdiObject<HFONT> ChineseFonts::tahoma(double points, int dpi) const {
    return createFont(kTahoma, points, dpi, ANSI_CHARSET);
}

} // namespace xiangqi::win32
