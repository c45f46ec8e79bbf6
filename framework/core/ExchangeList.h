#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "framework/core/CDataExchange.h"

// A page's exchange list as a table: each row binds one field to one control,
// walked in table order by DoDataExchange.
template <class Page>
struct ExchangeBinding {
    enum class Kind { Text, Check, Radio };
    Kind kind;
    int id;
    std::string Page::*text;
    std::size_t maxChars;
    bool Page::*flag;
    int Page::*choice;
};

template <class Page>
constexpr ExchangeBinding<Page> TextBinding(int id, std::string Page::*field, std::size_t maxChars) {
    return {ExchangeBinding<Page>::Kind::Text, id, field, maxChars, nullptr, nullptr};
}

template <class Page>
constexpr ExchangeBinding<Page> CheckBinding(int id, bool Page::*field) {
    return {ExchangeBinding<Page>::Kind::Check, id, nullptr, 0, field, nullptr};
}

template <class Page>
constexpr ExchangeBinding<Page> RadioBinding(int id, int Page::*field) {
    return {ExchangeBinding<Page>::Kind::Radio, id, nullptr, 0, nullptr, field};
}

template <class Page, std::size_t N>
void ExchangeAll(CDataExchange* pDX, Page& page, const std::array<ExchangeBinding<Page>, N>& list) {
    using Kind = typename ExchangeBinding<Page>::Kind;
    for (const ExchangeBinding<Page>& binding : list) {
        switch (binding.kind) {
            case Kind::Text:
                DDX_Text(pDX, binding.id, page.*binding.text);
                DDV_MaxChars(pDX, page.*binding.text, binding.maxChars);
                break;
            case Kind::Check: DDX_Check(pDX, binding.id, page.*binding.flag); break;
            case Kind::Radio: DDX_Radio(pDX, binding.id, page.*binding.choice); break;
        }
    }
}
