/* SPDX-License-Identifier: MIT */
/**
 * \file libuv.h
 * \brief Drives the library from a libuv loop.
 *
 * The caller owns a uv_poll_t that stays valid until it is closed:
 * \code{.c}
 * static uv_poll_t quor_watch;
 * quor_uv_start(uv_default_loop(), &quor_watch);
 * // ... uv_run() ...
 * quor_uv_stop(&quor_watch, NULL);   // before quor_term()
 * \endcode
 */
#ifndef QUOR_ADAPTERS_LIBUV_H
#define QUOR_ADAPTERS_LIBUV_H

#include <uv.h>

#include <quor.h>

/** \cond INTERNAL */
static inline void quor_uv_on_ready(uv_poll_t *handle, int status, int events) {
    (void)events;
    /* A pump that fails means the library was terminated under the handle. */
    if (status < 0 || quor_pump(0) != 0) {
        uv_poll_stop(handle);
    }
}
/** \endcond */

/**
 * Starts pumping the library from a libuv loop whenever its descriptor is
 * readable.
 * \param loop   the loop
 * \param handle caller-owned storage for the watcher; valid until closed
 * \return 0, UV_EBADF when the library is not initialised (the handle is
 *         then untouched), or another libuv error code (the handle is then
 *         closing and must stay valid until the loop has run once more)
 */
static inline int quor_uv_start(uv_loop_t *loop, uv_poll_t *handle) {
    const int fd = quor_getfd();
    int rc;
    if (fd < 0) {
        return UV_EBADF;
    }
    rc = uv_poll_init(loop, handle, fd);
    if (rc != 0) {
        return rc;
    }
    rc = uv_poll_start(handle, UV_READABLE, quor_uv_on_ready);
    if (rc != 0) {
        uv_close((uv_handle_t *)handle, NULL);
    }
    return rc;
}

/**
 * Stops pumping and closes the watcher; call it before quor_term().
 * \param handle    the handle that quor_uv_start() started
 * \param on_closed called once libuv has closed the handle (may be NULL);
 *                  only then may its storage go
 */
static inline void quor_uv_stop(uv_poll_t *handle, uv_close_cb on_closed) {
    uv_close((uv_handle_t *)handle, on_closed);
}

#endif /* QUOR_ADAPTERS_LIBUV_H */
