#include "ui/QmListbox.h"

#include <vector>

QmWString QmListbox::GetItemText(int index) const
{
    const LRESULT length = Send(LB_GETTEXTLEN, static_cast<WPARAM>(index));
    if (length <= 0)
        return QmWString();
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = Send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    return copied > 0 ? QmWString(text.data(), static_cast<int>(copied)) : QmWString();
}
