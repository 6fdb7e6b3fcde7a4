// Runs a program inside a job object and waits, bounded, for the end of every
// process the job holds: the program, what it starts, and what those start.
// The job's completion port reports each new process and the moment the last
// one has ended, so a test neither sleeps for a guessed time nor misses a
// program that starts late; a chain of starts that never ends runs into the
// bound, and every process of the job is then ended.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct JobRun {
    bool started = false;
    bool finished = false;           // every process ended within the bound
    DWORD exit_code = 99;            // of the program itself
    std::vector<DWORD> processes;    // every process that started in the job, the program first
};

// Starts command_line in folder with startup (handles inherited when asked)
// and waits at most timeout_ms for its job to empty. While it waits, tick is
// called about every 100 ms with what is known so far, to answer windows.
inline JobRun run_in_job(std::wstring command_line, const std::wstring &folder, STARTUPINFOW startup,
                         bool inherit_handles, DWORD timeout_ms,
                         const std::function<void(const JobRun &)> &tick)
{
    JobRun run;
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    HANDLE port = CreateIoCompletionPort(INVALID_HANDLE_VALUE, nullptr, 0, 1);
    JOBOBJECT_ASSOCIATE_COMPLETION_PORT link = {job, port};
    SetInformationJobObject(job, JobObjectAssociateCompletionPortInformation, &link, sizeof link);
    PROCESS_INFORMATION process = {};
    // Suspended until it is in the job, so that nothing it starts escapes.
    run.started = CreateProcessW(nullptr, &command_line[0], nullptr, nullptr, inherit_handles,
                                 CREATE_SUSPENDED, nullptr, folder.c_str(), &startup, &process) &&
                  AssignProcessToJobObject(job, process.hProcess);
    if (run.started) {
        ResumeThread(process.hThread);
        DWORD begun = GetTickCount();
        while (!run.finished && GetTickCount() - begun < timeout_ms) {
            DWORD message = 0;
            ULONG_PTR key;
            LPOVERLAPPED value;
            if (GetQueuedCompletionStatus(port, &message, &key, &value, 100)) {
                if (message == JOB_OBJECT_MSG_NEW_PROCESS)
                    run.processes.push_back((DWORD)(ULONG_PTR)value);
                run.finished = message == JOB_OBJECT_MSG_ACTIVE_PROCESS_ZERO;
            }
            if (!run.finished)
                tick(run);
        }
        if (!run.finished)
            TerminateJobObject(job, 1);
        WaitForSingleObject(process.hProcess, 5000);
        GetExitCodeProcess(process.hProcess, &run.exit_code);
    } else if (process.hProcess) {
        TerminateProcess(process.hProcess, 1);
    }
    if (process.hProcess) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(port);
    CloseHandle(job);
    return run;
}
