#pragma once

#include <QWidget>

#include <array>
#include <functional>

namespace trakora {

// The windows the main window opens from its Display menu.
enum class WindowKind { DataStat, ShowPos, NMEARaw, SatInfo, SatPos, LongTerm, Health };
constexpr int WindowKindCount = 7;

// How to make one kind of window and how to refresh it.
//
// The main window knows no window class: each is plugged in by
// registering an entry, usually from RegisterDisplayWindows
// (QtDisplayWindows.cpp):
//
//     registry.Register(WindowKind::SatInfo, DisplayWindowEntry::For<frmSatInfo>(context));
//
// For<W> needs `W(ProgramContext&, QWidget* parent = nullptr)` and a public
// `void TimerPop()`. A kind without an entry opens nothing.
struct DisplayWindowEntry {
    std::function<QWidget*()> Create;
    std::function<void(QWidget*)> TimerPop;

    template <class W, class Context>
    static DisplayWindowEntry For(Context& context)
    {
        return {[&context]() -> QWidget* { return new W(context); },
                [](QWidget* window) { static_cast<W*>(window)->TimerPop(); }};
    }
};

class WindowRegistry {
public:
    void Register(WindowKind kind, DisplayWindowEntry entry) { m_entries[Index(kind)] = std::move(entry); }
    const DisplayWindowEntry& Entry(WindowKind kind) const { return m_entries[Index(kind)]; }
    bool Has(WindowKind kind) const { return static_cast<bool>(m_entries[Index(kind)].Create); }

private:
    static std::size_t Index(WindowKind kind) { return static_cast<std::size_t>(kind); }
    std::array<DisplayWindowEntry, WindowKindCount> m_entries;
};

} // namespace trakora
