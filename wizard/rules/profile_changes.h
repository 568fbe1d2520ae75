// The PC's network profiles that the link task switched to automatic
// addressing, as the user hears of them: a message for each after the link
// task, and, when the wizard ends, the question whether to keep each switch
// (the usual wish once the router gives out addresses) or to have the profile
// put back as it was. Nothing is put back without the user's word: only "No"
// to keeping it does that; a box closed without an answer keeps it.
#pragma once

#include "setup_steps.h"
#include "switched_profile.h"

enum class Answer { Yes, No, Closed };

// What a front end does for it: the same task and message calls the set-up
// steps use, and a Yes/No question.
class ProfileChangesFrontEnd {
public:
    virtual ~ProfileChangesFrontEnd() = default;
    virtual int RunTask(int task) = 0;
    virtual bool Tell(const StepMessage& message) = 0;
    virtual Answer Ask(const StepMessage& question) = 0;
};

class ProfileChanges {
public:
    // `profiles`: the records' list, which the restore task reads and fills.
    ProfileChanges(ProfileChangesFrontEnd& frontEnd, SwitchedProfiles& profiles)
        : frontEnd_(frontEnd), profiles_(profiles) {}

    // After a link task: one message for each switched profile not told of yet.
    void TellSwitched();
    // The wizard ends: asks about each profile not decided yet, puts back the
    // ones the user wants back (one restore task for all of them) and tells
    // how each went.
    void SettleAtEnd();

private:
    ProfileChangesFrontEnd& frontEnd_;
    SwitchedProfiles& profiles_;
};
