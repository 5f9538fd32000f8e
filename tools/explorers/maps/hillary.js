// The approach march of the 1953 Everest expedition from Kathmandu and the
// route up through the Khumbu.
export default {
  title: 'Edmund Hillary',
  subtitle: '1919–2008',
  projection: { type: 'mercator', rotate: [-86.2, 0], fit: [[84.9, 26.9], [87.5, 26.9], [84.9, 28.4], [87.5, 28.4]] },
  pad: 6,
  inset: { fit: [[60, 5], [110, 5], [60, 45], [110, 45]], area: [[84.9, 26.4], [87.5, 28.9]] },
  routes: [
    {
      color: '#c0392b',
      points: [
        [85.32, 27.71], [85.43, 27.67], [85.7, 27.55], [86.0, 27.58], [86.25, 27.55], [86.5, 27.55], [86.6, 27.65], [86.71, 27.80],
        [86.76, 27.84], [86.81, 27.89], [86.83, 27.95], [86.853, 28.004], [86.87, 27.99], [86.93, 27.97], [86.925, 27.988],
      ],
      arrows: [3, 5],
    },
  ],
  places: [
    { name: 'Katmandu', at: [85.32, 27.71], pos: 'n' },
    { name: 'Namcze Bazar', at: [86.71, 27.80], pos: 'w' },
    { name: 'Tengboche', at: [86.76, 27.84], pos: 'se' },
    { name: 'baza pod Everestem', at: [86.853, 28.004], pos: 'nw' },
    { name: 'Mount Everest\n8849 m', at: [86.925, 27.988], pos: 'e', kind: 'star' },
    { name: 'Lukla – lotnisko (1964)', at: [86.73, 27.69], pos: 'se' },
    { name: 'Cho Oyu (1952)', at: [86.66, 28.094], pos: 'n', kind: 'peak' },
    { name: 'NEPAL', at: [85.8, 27.95], kind: 'area' },
    { name: 'CHINY (Tybet)', at: [86.1, 28.25], kind: 'area' },
  ],
  legend: [
    { color: '#c0392b', text: 'droga wyprawy z 1953 roku (przybliżona)' },
    { text: 'Szczyt: 29 maja 1953 r., godz. 11.30' },
  ],
  timeline: [
    ['1951', 'w Himalajach'],
    ['29 V 1953', 'szczyt Mount Everestu'],
    ['4 I 1958', 'biegun południowy'],
    ['1960', 'Himalayan Trust'],
    ['1985', 'biegun północny'],
    ['11 I 2008', 'śmierć w Auckland'],
  ],
};
