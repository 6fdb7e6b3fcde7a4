#include "ui/messages.h"

void load_message(UINT id, wchar_t *text, int capacity)
{
    text[0] = L'\0';
    LoadStringW(GetModuleHandleW(nullptr), id, text, capacity);
}

int show_message(HWND owner, UINT text_id, UINT caption_id, UINT style, const wchar_t *argument1,
                 const wchar_t *argument2)
{
    wchar_t pattern[MESSAGE_SIZE], text[MESSAGE_SIZE], caption[64];
    load_message(text_id, pattern, MESSAGE_SIZE);
    // %1 and %2 only: the arguments are texts, never format directives.
    DWORD_PTR arguments[2] = {(DWORD_PTR)(argument1 ? argument1 : L""),
                              (DWORD_PTR)(argument2 ? argument2 : L"")};
    if (!FormatMessageW(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY, pattern, 0, 0,
                        text, MESSAGE_SIZE, (va_list *)arguments))
        lstrcpynW(text, pattern, MESSAGE_SIZE);
    if (caption_id)
        load_message(caption_id, caption, 64);
    return MessageBoxW(owner, text, caption_id ? caption : nullptr, style);
}
