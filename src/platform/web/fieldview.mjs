// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The green field with the target and the shots, which move by transforms.
export class FieldView {
    #element;
    #grid;
    #origin;
    #children = new Map();

    // element is the field's, from the page's markup; box and children are
    // control descriptions, each child with its element; origin is the inner
    // area's corner in the client box and the border's width, in CSS pixels;
    // onClick(id) reports a click on a child that takes clicks.
    constructor(element, box, children, grid, origin, onClick) {
        this.#element = element;
        this.#grid = grid;
        this.#origin = origin;

        // A finger's reach around each resting shot: its column's share of
        // the gaps to its neighbours, and its visible rows.
        const innerHeight = grid.toLogical(box.rect.height) - 2 * origin.border;
        const shots = children.filter((child) => child.clickable);
        const gap = (a, b) =>
            (a && b ? grid.toLogical(b.rect.left - a.rect.left - a.rect.width) / 2 : null);

        for (const child of children) {
            const entry = {element: child.element, rect: {...child.rect}, rest: child.rect.top};
            this.#children.set(child.id, entry);
            if (!child.clickable)
                continue;
            const style = child.element.style;
            const i = shots.indexOf(child);
            const [left, right] = [gap(shots[i - 1], child), gap(child, shots[i + 1])];
            style.setProperty('--reach-left', `${left ?? right}px`);
            style.setProperty('--reach-right', `${right ?? left}px`);
            style.setProperty('--visible', `${innerHeight - grid.toLogical(child.rect.top)}px`);
            child.element.addEventListener('click', () => onClick(child.id));
        }
        this.regrid(grid);
    }

    get element() { return this.#element; }

    has(id) { return this.#children.has(id); }

    moved(id, left, top) {
        const entry = this.#children.get(id);
        entry.rect.left = left;
        entry.rect.top = top;
        this.#place(entry);
        if (entry.element.hasAttribute('data-resting') !== (top === entry.rest))
            entry.element.toggleAttribute('data-resting', top === entry.rest);
    }

    setEnabled(id, enabled) {
        // A disabled shot looks the same; only assistive technology hears of it.
        this.#children.get(id).element.setAttribute('aria-disabled', String(!enabled));
    }

    // The device pixel ratio changed: zoom, or a move to another screen.
    regrid(grid) {
        this.#grid = grid;
        for (const entry of this.#children.values())
            this.#place(entry);
    }

    // Snapped where it lands on the screen, from the inner area's corner,
    // which the client box's own corner, itself on the grid, does not change.
    #place({element, rect}) {
        const {left, top, width, height} = this.#grid.place(rect, this.#origin);
        const [x, y] = [left - this.#origin.x, top - this.#origin.y];
        element.style.transform = `translate(${x}px, ${y}px)`;
        // Sizes change only with the grid; unchanged, they are not written.
        if (element.style.width !== `${width}px`) {
            element.style.width = `${width}px`;
            element.style.height = `${height}px`;
        }
    }
}
