/* SPDX-License-Identifier: MIT */
/**
 * \file poll.h
 * \brief Drives the library from a poll() loop.
 *
 * A program that waits on descriptors of its own adds the library's one to
 * its poll() array with quor_poll_prepare() and hands the entry to
 * quor_poll_dispatch() after each wait. A program that waits for nothing
 * else calls quor_poll_run() in its loop.
 */
#ifndef QUOR_ADAPTERS_POLL_H
#define QUOR_ADAPTERS_POLL_H

#include <errno.h>
#include <poll.h>

#include <quor.h>

/**
 * Fills one poll() entry to watch the library's descriptor for readability.
 * \param pfd the entry to fill
 * \return 0; 1 when the library is not initialised, leaving fd at -1, which
 *         poll() skips
 */
static inline int quor_poll_prepare(struct pollfd *pfd) {
    pfd->fd = quor_getfd();
    pfd->events = POLLIN;
    pfd->revents = 0;
    return pfd->fd < 0 ? 1 : 0;
}

/**
 * Delivers the library's work after poll() when the entry reports it ready.
 * \param pfd the entry that quor_poll_prepare() filled, after poll()
 * \return 1 when it pumped; 0 when the descriptor was not ready; -1 when the
 *         library was terminated since the entry was prepared: prepare it
 *         again after the next quor_init()
 */
static inline int quor_poll_dispatch(const struct pollfd *pfd) {
    if (pfd->fd < 0 || pfd->revents == 0) {
        return 0;
    }
    if ((pfd->revents & POLLNVAL) != 0) {
        return -1;
    }
    return quor_pump(0) == 0 ? 1 : -1;
}

/**
 * Waits for the library's work and delivers it, for a program whose only
 * descriptor is the library's.
 * \param timeout_ms the longest wait in milliseconds; negative waits until
 *                   something is ready
 * \return 1 when it pumped; 0 on time-out or when a signal interrupted the
 *         wait (so that the caller's loop can look at its flags); -1 when the
 *         library is not initialised or poll() failed (see errno)
 */
static inline int quor_poll_run(int timeout_ms) {
    struct pollfd pfd;
    int ready;
    if (quor_poll_prepare(&pfd) != 0) {
        return -1;
    }
    ready = poll(&pfd, 1, timeout_ms);
    if (ready < 0) {
        return errno == EINTR ? 0 : -1;
    }
    return ready == 0 ? 0 : quor_poll_dispatch(&pfd);
}

#endif /* QUOR_ADAPTERS_POLL_H */
