#pragma once

// Opens the address in the system's default web browser.
void OpenInSystemBrowser(const char* address);

// Handlers of the main window's links.
void ShowUpdatePage();
void OpenOtherWorksPage();
