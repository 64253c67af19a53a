// The four buttons of the wizard sheet, as a test names them on either backend.
#pragma once

namespace test_services {
enum class WizardButton { Back, Next, Finish, Cancel };
}  // namespace test_services
