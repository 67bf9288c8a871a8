// SPDX-License-Identifier: MIT
#include "scripts/LauncherTemplates.h"

#include "scripts/TextRules.h"

namespace vorrel {

namespace {

std::string windowOpenCall(const WizardState& state) {
    std::string call = "window.open('";
    call += state.pageFileName;
    call += "','";
    call += windowName(state.caption);
    call += "','";
    call += windowFeatures(state);
    call += "')";
    return call;
}

} // namespace

std::string windowFeatures(const WizardState& state) {
    std::string features = "toolbar=";
    features += yesNo(state.showToolbar);
    features += ",location=no,directories=no,status=";
    features += yesNo(state.showStatusBar);
    features += ",menubar=";
    features += yesNo(state.showMenuBar);
    features += ",scrollbars=";
    features += yesNo(state.showScrollbars);
    features += ",resizable=";
    features += yesNo(state.resizableWindow);
    features += ",copyhistory=";
    features += yesNo(state.copyHistory);
    features += ",width=";
    features += state.windowWidth;
    features += ",height=";
    features += state.windowHeight;
    return features;
}

std::string launcherButton(const WizardState& state) {
    std::string text = "\r\n<form>\r\n<input type=\"button\" value=\"";
    text += state.buttonCaption;
    text += "\" onClick=\"";
    text += windowOpenCall(state);
    text += "\"><BR>\r\n</form>";
    return text;
}

std::string autoOpenScript(const WizardState& state) {
    std::string text = "\r\n<SCRIPT language=\"JavaScript\">\r\n<!--\r\n";
    text += windowOpenCall(state);
    text += "\r\n// -->\r\n</SCRIPT>";
    return text;
}

} // namespace vorrel
