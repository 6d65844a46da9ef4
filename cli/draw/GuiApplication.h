#pragma once

#include <QGuiApplication>

#include <memory>

// Text needs the application object; without a display it draws off screen.
// None when there is one already.
std::unique_ptr<QGuiApplication> StartGuiApplication();
