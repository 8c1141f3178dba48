// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

import {Announcer} from './announcer.mjs';
import {FieldView} from './fieldview.mjs';
import {PixelGrid} from './pixelgrid.mjs';

// The window's client area, painted from the page's own markup before the
// core is ready; the view then follows the core's changes on those very
// elements and passes clicks back to it.
export class FormView {
    #document;
    #range = null;
    #box = null;
    #field = null;
    #wakeTimer = null;
    #announcer;
    #size = {width: 0, height: 0};
    #textBoxes = new Map();
    #coarse = window.matchMedia('(pointer: coarse)');
    // Device pixels per pixel of the window, as the field's grid sees them.
    #deviceScale = window.devicePixelRatio || 1;

    #core;

    // core is the compiled core, whose pixel grid the page uses.
    constructor(document, core) {
        this.#document = document;
        this.#core = core;
    }

    // range is the core's WebRange, which has this view as its listener. The
    // focus stays where the markup or the user put it.
    show(range) {
        this.#range = range;
        const form = range.form();
        const controls = range.controls();
        this.#size = {width: form.clientWidth, height: form.clientHeight};
        const document = this.#document;
        this.#box = document.querySelector('.client');
        this.#announcer = new Announcer(this.#box.querySelector('[role=status]'));

        for (const control of controls) {
            const element = document.getElementById(elementId(control));
            if (!element || control.container)
                continue;
            if (control.kind === 'CommandButton')
                element.addEventListener('click',
                                         () => this.#call(() => this.#range.click(control.id)));
            else if (control.kind === 'TextBox') {
                this.#textBoxes.set(control.id, element);
                this.textChanged(control.id, control.text);
            } else if (control.kind === 'PictureBox')
                this.#adoptField(element, control, controls, form);
        }

        this.#fit();
        this.#updateState();
        window.addEventListener('resize', () => this.#fit());
        this.#coarse.addEventListener('change', () => this.#fit());
        // What was clicked while the core was compiling, in order.
        for (const target of takeOverClicks())
            target.click();
    }

    // The listener of the core's changes.

    moved(id, left, top) { this.#field?.moved(id, left, top); }

    enabledChanged(id, enabled) {
        if (this.#field?.has(id))
            this.#field.setEnabled(id, enabled);
    }

    textChanged(id, text) {
        const box = this.#textBoxes.get(id);
        // Unchanged text stays untouched, with its selection and scrolling.
        const value = text.replaceAll('\r\n', '\n');
        if (box && box.value !== value)
            box.value = value;
    }

    announce(message) { this.#announcer.announce(message); }

    #grid(scale = this.#deviceScale) { return new PixelGrid(this.#core, scale); }

    #adoptField(element, control, controls, form) {
        const children = controls.filter((c) => c.container === control.name && c.visible);
        const grid = this.#grid(1);
        const border = grid.toLogical(form.fieldBorder);
        const origin = {
            x: grid.toLogical(control.rect.left) + border,
            y: grid.toLogical(control.rect.top) + border,
            border,
        };
        this.#field = new FieldView(
            element,
            control,
            children.map(
                (child) => ({...child, element: this.#document.getElementById(elementId(child))})),
            this.#grid(),
            origin,
            (id) => this.#call(() => this.#range.click(id)),
        );
    }

    // Every call into the core ends with the page showing the range's state.
    #call(action) {
        action();
        this.#updateState();
    }

    // Written only when it changes: nearly every tick leaves both as they were.
    #updateState() {
        const clock = this.#range.clockRunning() ? 'running' : 'stopped';
        if (this.#box.dataset.clock !== clock)
            this.#box.dataset.clock = clock;
        const shot = String(this.#range.activeShot());
        if (this.#field && this.#field.element.dataset.activeShot !== shot)
            this.#field.element.dataset.activeShot = shot;
    }

    // The core's clock asks to be woken at time, on performance.now()'s clock,
    // or never (-1), replacing what it asked before.
    wakeAt(time) {
        clearTimeout(this.#wakeTimer);
        this.#wakeTimer = null;
        if (time < 0)
            return;
        // Rounded up: a timer never fires before its delay, so it finds its tick due.
        const delay = Math.max(0, Math.ceil(time - performance.now()));
        this.#wakeTimer = setTimeout(() => {
            this.#wakeTimer = null;
            this.#call(() => this.#range.wake());
        }, delay);
    }

    // Scales and centres the window from the viewport's and the box's known
    // sizes, so that building the page forces no layout of its own. Only a
    // viewport too small for the box may have scroll bars, which narrow the
    // room: that case asks the layout. Where the pointer is a finger the window
    // grows, as one picture, to the largest whole number of device pixels a
    // pixel that fits; with a mouse it keeps its size.
    #fit() {
        const ratio = window.devicePixelRatio || 1;
        const device = this.#grid(ratio);
        const width = device.toLogical(this.#size.width);
        const height = device.toLogical(this.#size.height);
        const view = this.#document.documentElement;
        const coarse = this.#coarse.matches;
        // A touch browser zooms out over a window wider than its screen, which
        // widens innerWidth; the layout viewport stays the screen's.
        let room = coarse ? {width: view.clientWidth, height: view.clientHeight}
                          : {width: window.innerWidth, height: window.innerHeight};
        let scale = 1;
        if (coarse) {
            const whole =
                Math.floor(Math.min((room.width * ratio) / width, (room.height * ratio) / height));
            scale = Math.max(1, whole) / ratio;
        }
        this.#box.style.transform = scale === 1 ? '' : `scale(${scale})`;
        this.#box.style.setProperty('--touch-height', `${Math.max(24, 24 / scale)}px`);
        if (room.width < width * scale || room.height < height * scale)
            room = {width: view.clientWidth, height: view.clientHeight};
        // On whole pixels, as the markup centres it before the core runs, and
        // then on the device's grid, which only a fractional ratio moves.
        const place = (space, size) =>
            Math.max(0, device.snap(Math.round((space - size * scale) / 2)));
        this.#box.style.left = `${place(room.width, width)}px`;
        this.#box.style.top = `${place(room.height, height)}px`;
        if (ratio * scale !== this.#deviceScale) {
            this.#deviceScale = ratio * scale;
            this.#field?.regrid(this.#grid());
        }
    }
}

function elementId(control) {
    return control.index < 0 ? control.name : `${control.name}-${control.index}`;
}
