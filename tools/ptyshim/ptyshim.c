/* Preloaded into Wine (its processes and its wineserver) so that a pty
 * behaves like a serial port:
 *  - Wine aborts WaitCommEvent when TIOCMGET fails, and ptys have no modem
 *    lines: answer TIOCMGET with CTS|DSR|CD and accept the line setters.
 *  - Windows serial drivers grant a port to one opener at a time; Wine does
 *    not check sharing on character devices. Take an exclusive flock on
 *    every pty slave that is opened, so a second opener gets EBUSY. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

typedef int (*ioctl_fn)(int, unsigned long, ...);
typedef int (*open_fn)(const char*, int, ...);
typedef int (*openat_fn)(int, const char*, int, ...);

static int is_tty(int fd)
{
    struct termios t;
    return tcgetattr(fd, &t) == 0;
}

/* UNIX98 pty slaves use majors 136 to 143. */
static int is_pty_slave(int fd)
{
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISCHR(st.st_mode)) return 0;
    return major(st.st_rdev) >= 136 && major(st.st_rdev) <= 143;
}

static int claim(int fd)
{
    if (fd < 0 || !is_pty_slave(fd)) return fd;
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) return fd;
    close(fd);
    errno = EBUSY;
    return -1;
}

static mode_t mode_arg(int flags, va_list ap)
{
    return (flags & (O_CREAT | O_TMPFILE)) ? va_arg(ap, mode_t) : 0;
}

#define OPEN_WRAPPER(name)                                                                                             \
    int name(const char* path, int flags, ...)                                                                         \
    {                                                                                                                  \
        static open_fn real;                                                                                           \
        va_list ap;                                                                                                    \
        va_start(ap, flags);                                                                                           \
        mode_t mode = mode_arg(flags, ap);                                                                             \
        va_end(ap);                                                                                                    \
        if (!real) real = (open_fn)dlsym(RTLD_NEXT, #name);                                                            \
        return claim(real(path, flags, mode));                                                                         \
    }

#define OPENAT_WRAPPER(name)                                                                                           \
    int name(int dir, const char* path, int flags, ...)                                                                \
    {                                                                                                                  \
        static openat_fn real;                                                                                         \
        va_list ap;                                                                                                    \
        va_start(ap, flags);                                                                                           \
        mode_t mode = mode_arg(flags, ap);                                                                             \
        va_end(ap);                                                                                                    \
        if (!real) real = (openat_fn)dlsym(RTLD_NEXT, #name);                                                          \
        return claim(real(dir, path, flags, mode));                                                                    \
    }

OPEN_WRAPPER(open)
OPEN_WRAPPER(open64)
OPENAT_WRAPPER(openat)
OPENAT_WRAPPER(openat64)

int ioctl(int fd, unsigned long request, ...)
{
    static ioctl_fn real_ioctl;
    va_list ap;
    va_start(ap, request);
    void* arg = va_arg(ap, void*);
    va_end(ap);
    if (!real_ioctl) real_ioctl = (ioctl_fn)dlsym(RTLD_NEXT, "ioctl");

    int rc = real_ioctl(fd, request, arg);
    if (rc == 0 || (errno != EINVAL && errno != ENOTTY) || !is_tty(fd)) return rc;
    switch (request) {
    case TIOCMGET:
        *(int*)arg = TIOCM_CTS | TIOCM_DSR | TIOCM_CD;
        return 0;
    case TIOCMBIS:
    case TIOCMBIC:
    case TIOCMSET:
        return 0;
    default:
        return rc;
    }
}
