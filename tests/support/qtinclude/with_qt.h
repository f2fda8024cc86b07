// A header as the engine must never write it: the Qt-free check must find it.
#pragma once
#include <QWidget>
