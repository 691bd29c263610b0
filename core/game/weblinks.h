// The two web sites the menu and the about box open.
#pragma once

namespace quorvex {

inline constexpr const char* kMakerSiteCaption = "zentrafell.example.org";
inline constexpr const char* kMakerSiteUrl = "https://zentrafell.example.org/";
// The menu says the site is in German beside its name (ui/game/main.cpp).
inline constexpr const char* kAuthorSiteCaption = "quorvex.example.org";
// The project's one home page, as the package's metadata names it.
inline constexpr const char* kAuthorSiteUrl = "https://quorvex.example.org/";

}  // namespace quorvex
