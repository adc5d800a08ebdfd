#include "sim/access/main_window.h"

#include <algorithm>
#include <optional>

#include "com/text.h"
#include "sim/access/window_styles.h"

namespace sim::access {
namespace {

constexpr std::int32_t kEnterKey = 13;
constexpr std::int32_t kEscapeKey = 27;

// The answer a message posted to a Yes/No/Cancel dialog gives.
std::optional<MainWindow::Answer> AnswerOf(const Windows::PostedMessage& message) {
  if (message.message == platform::Windows::WM_CLOSE) return MainWindow::Answer::Cancel;
  if (message.message != platform::Windows::WM_KEYDOWN) return std::nullopt;
  switch (message.wparam) {
    case kEnterKey:
    case 'Y': return MainWindow::Answer::Yes;
    case 'N': return MainWindow::Answer::No;
    case kEscapeKey: return MainWindow::Answer::Cancel;
    default: return std::nullopt;
  }
}

}  // namespace

MainWindow::MainWindow(Windows& windows)
    : windows_(windows),
      main_(windows.Create("OMain", "Microsoft Access", 0, styles::kFrame)),
      client_(windows.Create("MDIClient", "", main_, styles::kMdiClient)) {}

MainWindow::~MainWindow() {
  for (HWND dialog : dialogs_) windows_.Destroy(dialog);
  windows_.Destroy(main_);
}

void MainWindow::Activate() { windows_.Activate(main_); }

void MainWindow::Show(Document document, const std::string& window_class,
                      const std::string& caption, std::int32_t show_command) {
  const Document* open = Find(document.type, document.name);
  Document* shown = open ? Get(open->handle) : nullptr;
  if (shown) {
    shown->view = document.view;
    windows_.SetText(shown->handle, caption);
  } else {
    const std::int32_t style =
        styles::kMdiChild | (show_command == styles::kHide ? 0 : styles::kVisible);
    document.handle = windows_.Create(window_class, caption, client_, style);
    documents_.push_back(std::move(document));
    shown = &documents_.back();
  }
  windows_.ShowWindow(shown->handle, show_command);
  shown->activated = ++activations_;
}

void MainWindow::SetView(HWND handle, std::int32_t view, const std::string& caption) {
  if (Document* document = Get(handle)) {
    document->view = view;
    windows_.SetText(handle, caption);
  }
}

void MainWindow::Close(HWND handle) {
  std::erase_if(documents_, [&](const Document& d) { return d.handle == handle; });
  windows_.Destroy(handle);
}

void MainWindow::CloseAll() {
  while (!documents_.empty()) Close(documents_.back().handle);
}

const MainWindow::Document* MainWindow::Find(std::int32_t type, const std::string& name) const {
  for (const Document& document : documents_)
    if (document.type == type && com::EqualsNoCase(document.name, name)) return &document;
  return nullptr;
}

const MainWindow::Document* MainWindow::FindWindow(HWND handle) const {
  for (const Document& document : documents_)
    if (document.handle == handle) return &document;
  return nullptr;
}

const MainWindow::Document* MainWindow::Active() const {
  auto latest = std::max_element(documents_.begin(), documents_.end(),
                                 [](const Document& a, const Document& b) {
                                   return a.activated < b.activated;
                                 });
  return latest == documents_.end() ? nullptr : &*latest;
}

MainWindow::HWND MainWindow::OpenDialog(const std::string& caption) {
  const HWND dialog = windows_.Create("#32770", caption, 0, styles::kDialog, main_);
  dialogs_.push_back(dialog);
  windows_.Activate(dialog);
  return dialog;
}

bool MainWindow::CloseDialog(HWND handle) {
  if (std::erase(dialogs_, handle) == 0) return false;
  windows_.Destroy(handle);
  return true;
}

MainWindow::Answer MainWindow::AskYesNoCancel(const std::string& question) {
  const std::size_t earlier = windows_.Posted().size();
  const HWND dialog = windows_.Create("#32770", "Microsoft Access", 0, styles::kDialog, main_);
  constexpr std::int32_t kControl = styles::kChild | styles::kVisible;
  windows_.Create("Static", question, dialog, kControl);
  for (const char* button : {"&Yes", "&No", "Cancel"}) windows_.Create("Button", button, dialog, kControl);
  windows_.Activate(dialog);
  std::optional<Answer> answer;
  const auto& posted = windows_.Posted();
  for (std::size_t i = earlier; i < posted.size() && !answer; ++i)
    if (posted[i].window == dialog) answer = AnswerOf(posted[i]);
  windows_.Destroy(dialog);
  return answer.value_or(Answer::Cancel);
}

bool MainWindow::IsShown(HWND handle) const {
  const auto* window = windows_.Find(handle);
  return window && window->visible;
}

void MainWindow::SetShown(HWND handle, bool shown) {
  windows_.ShowWindow(handle, shown ? styles::kShowNormal : styles::kHide);
}

MainWindow::Document* MainWindow::Get(HWND handle) {
  for (Document& document : documents_)
    if (document.handle == handle) return &document;
  return nullptr;
}

}  // namespace sim::access
