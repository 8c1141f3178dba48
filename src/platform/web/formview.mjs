// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

import {Announcer} from './announcer.mjs';
import {cssColor, FieldView} from './fieldview.mjs';
import {PixelGrid} from './pixelgrid.mjs';

// The window's client area as DOM elements, built from the core's window
// description, following the core's changes and passing clicks back to it.
export class FormView {
    #document;
    #range = null;
    #box = null;
    #field = null;
    #wakeTime = -1;
    #wakeTimer = null;
    #announcer;
    #twipsPerPixel = 15;
    #size = {width: 0, height: 0};
    #textBoxes = new Map();
    #coarse = window.matchMedia('(pointer: coarse)');
    // Device pixels per pixel of the window, as the field's grid sees them.
    #deviceScale = window.devicePixelRatio || 1;

    constructor(document) {
        this.#document = document;
        this.#announcer = new Announcer(document);
    }

    // range is the core's WebRange, which has this view as its listener.
    show(range) {
        this.#range = range;
        const form = range.form();
        const controls = range.controls();
        this.#twipsPerPixel = form.twipsPerPixel;
        this.#size = {width: form.clientWidth, height: form.clientHeight};
        const document = this.#document;
        document.title = form.caption;

        const box = document.createElement('div');
        box.className = 'client';
        box.style.width = `${this.#pixels(form.clientWidth)}px`;
        box.style.height = `${this.#pixels(form.clientHeight)}px`;
        box.style.backgroundColor = cssColor(form.backColor);
        box.style.fontFamily =
            [...form.fontFamilies.map((family) => `"${family}"`), 'serif'].join(', ');
        box.style.fontSize = `${(form.fontPointSize * 96) / 72}px`;
        this.#box = box;

        // Appended front to back, the core's stacking order, which starts with
        // the tab stops in the window's tab order that the keyboard then follows.
        const shown =
            controls.filter((control) => control.layer >= 0).sort((a, b) => a.layer - b.layer);
        let first = null;
        for (const control of shown) {
            const element = this.#create(control, controls, form);
            element.classList.add('control');
            element.style.zIndex = String(shown.length - control.layer);
            this.#position(element, control.rect);
            box.append(element);
            if (!first && control.kind !== 'Label')
                first = element;
        }
        box.append(this.#announcer.element);
        document.body.append(box);

        this.#fit();
        this.#updateState();
        window.addEventListener('resize', () => this.#fit());
        this.#coarse.addEventListener('change', () => this.#fit());

        // The first stop of the tab order holds the focus when the window opens.
        if (first) {
            first.focus({preventScroll: true});
            first.setSelectionRange?.(0, 0);
        }
    }

    // The listener of the core's changes.

    moved(id, left, top) { this.#field?.moved(id, left, top); }

    enabledChanged(id, enabled) {
        if (this.#field?.has(id))
            this.#field.setEnabled(id, enabled);
    }

    textChanged(id, text) {
        const box = this.#textBoxes.get(id);
        if (box)
            box.value = text;
    }

    announce(message) { this.#announcer.announce(message); }

    #pixels(twips) { return twips / this.#twipsPerPixel; }

    #grid() { return new PixelGrid(this.#twipsPerPixel, this.#deviceScale); }

    #position(element, rect) {
        element.style.left = `${this.#pixels(rect.left)}px`;
        element.style.top = `${this.#pixels(rect.top)}px`;
        element.style.width = `${this.#pixels(rect.width)}px`;
        element.style.height = `${this.#pixels(rect.height)}px`;
    }

    #create(control, controls, form) {
        const document = this.#document;
        switch (control.kind) {
        case 'Label': {
            const label = document.createElement('div');
            label.className = 'caption';
            label.id = elementId(control);
            label.textContent = control.text.trim();
            if (control.centered)
                label.style.textAlign = 'center';
            if (control.backColor)
                label.style.backgroundColor = cssColor(control.backColor);
            return label;
        }
        case 'TextBox':
            return this.#createTextBox(control, controls[control.caption]);
        case 'CommandButton': {
            const button = document.createElement('button');
            button.type = 'button';
            button.className = 'command';
            const face = document.createElement('span');
            face.textContent = control.text;
            button.append(face);
            if (control.backColor)
                button.style.backgroundColor = cssColor(control.backColor);
            button.addEventListener('click', () => this.#call(() => this.#range.click(control.id)));
            return button;
        }
        case 'PictureBox': {
            const children = controls.filter((c) => c.container === control.name);
            const border = this.#pixels(form.fieldBorder);
            const origin = {
                x: this.#pixels(control.rect.left) + border,
                y: this.#pixels(control.rect.top) + border,
                border,
            };
            this.#field = new FieldView(
                document,
                control,
                children,
                this.#grid(),
                origin,
                (id) => this.#call(() => this.#range.click(id)),
            );
            this.#field.element.style.setProperty('--border', `${border}px`);
            return this.#field.element;
        }
        default:
            return document.createElement('div');
        }
    }

    #createTextBox(control, caption) {
        const document = this.#document;
        let box;
        if (control.multiLine) {
            box = document.createElement('textarea');
            box.className = 'panel';
            box.value = control.text.replaceAll('\r\n', '\n');
            if (control.verticalScrollBar)
                box.style.overflowY = 'scroll';
        } else {
            box = document.createElement('input');
            box.type = 'text';
            box.className = 'counter';
            box.value = control.text;
            if (control.centered)
                box.style.textAlign = 'center';
        }
        box.readOnly = control.readOnly;
        box.spellcheck = false;
        box.autocomplete = 'off';
        if (caption)
            box.setAttribute('aria-labelledby', elementId(caption));
        else if (control.accessibleName)
            box.setAttribute('aria-label', control.accessibleName);
        this.#textBoxes.set(control.id, box);
        return box;
    }

    // Every call into the core ends with the page showing the range's state
    // and the core's clock set to wake when it asks.
    #call(action) {
        action();
        this.#updateState();
        this.#setWake(this.#range.wakeTime());
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

    // A timer already set for that time stands.
    #setWake(time) {
        if (time === this.#wakeTime)
            return;
        clearTimeout(this.#wakeTimer);
        this.#wakeTime = time;
        this.#wakeTimer = null;
        if (time < 0)
            return;
        // Rounded up: a timer never fires before its delay, so it finds its tick due.
        const delay = Math.max(0, Math.ceil(time - performance.now()));
        this.#wakeTimer = setTimeout(() => {
            this.#wakeTime = -1;
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
        const width = this.#pixels(this.#size.width);
        const height = this.#pixels(this.#size.height);
        let scale = 1;
        if (this.#coarse.matches) {
            const whole = Math.floor(Math.min((window.innerWidth * ratio) / width,
                                              (window.innerHeight * ratio) / height));
            scale = Math.max(1, whole) / ratio;
        }
        this.#box.style.transform = scale === 1 ? '' : `scale(${scale})`;
        this.#box.style.setProperty('--touch-height', `${Math.max(24, 24 / scale)}px`);
        let room = {width: window.innerWidth, height: window.innerHeight};
        if (room.width < width * scale || room.height < height * scale) {
            const view = this.#document.documentElement;
            room = {width: view.clientWidth, height: view.clientHeight};
        }
        const place = (space, size) =>
            Math.max(0, Math.round(((space - size * scale) / 2) * ratio) / ratio);
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
