#pragma once
#include "common/ProgramState.h"
#include "common/WindowRefs.h"
#include "shell/Form2.h"
#include "support/ProgramFixture.h"

namespace vorna::test {

// The main menu loaded after a login at level 1 with every right.
class LeftoverMenuFixture : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        logIn(level::Total, everyRight());
    }

    shell::Form2& menu()
    {
        auto& form = ui::windowRef<shell::Form2>();
        if (form.state() == ui::Window::State::NotLoaded)
            form.Show();
        return form;
    }
    Ui::Form2& menuControls() { return menu().controls(); }
    Variant& callerCode() { return state().handOver.CallerCode; }
};

}  // namespace vorna::test
